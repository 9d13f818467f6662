#pragma once
// Fuzz entry points, shared by the libFuzzer binaries and the corpus replay test.
#include <cstddef>
#include <cstdint>

namespace tirel::fuzz {

// Any bytes as a parameter file, through to the sheet's 173 texts.
void param_file(const std::uint8_t* data, std::size_t size);
// Any bytes as config.ini: read, written back, read again.
void config_ini(const std::uint8_t* data, std::size_t size);
// Any text as the frequency dialog's entry and as typed sub-tone texts.
void entry_texts(const std::uint8_t* data, std::size_t size);

}  // namespace tirel::fuzz
