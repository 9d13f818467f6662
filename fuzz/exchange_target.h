#pragma once
// Fuzz entry point for the radio exchanges; needs the link code and Qt's core library.
#include <cstddef>
#include <cstdint>

namespace tirel::fuzz {

// Any bytes as a radio's answers to a read or a write, through the real exchange code.
// Input: 5 header bytes, then what the radio says.
//   0: bit 0 write (else read); bit 1 the cable is pulled when the radio has said everything;
//      bits 2-4 the band code of the blok being written
//   1: the timer byte of the blok being written (0 goes to the radio as 0xFF)
//   2-3: the radio holds back this byte of what it says (little-endian index)...
//   4: ...for this many 50 ms steps (0: never)
void exchange(const std::uint8_t* data, std::size_t size);

}  // namespace tirel::fuzz
