#pragma once
// The parameter block: a byte image of the radio's parameter memory, 128 records of 12 bytes.
#include <array>
#include <cstdint>
#include <span>

namespace tirel {

inline constexpr int kRecordCount = 128;
inline constexpr int kRecordSize = 12;
inline constexpr int kBlokSize = kRecordCount * kRecordSize;
inline constexpr int kChannelCount = 16;

using Blok = std::array<std::uint8_t, kBlokSize>;

// Receive is 0; every other value the radio's programs pass means transmit.
enum class Dir { rx = 0, tx = 1 };
constexpr Dir dir_from_int(int d) { return d == 0 ? Dir::rx : Dir::tx; }

// Record r (1..128) starts at blok offset 12*(r-1); its data bytes follow the 4-byte header.
constexpr int record_offset(int r) { return kRecordSize * (r - 1); }
constexpr int data_offset(int r, int d) { return record_offset(r) + 4 + d; }
// The radio addresses record r as 8*(r-1).
constexpr int record_address(int r) { return 8 * (r - 1); }

std::span<std::uint8_t, kRecordSize> record(Blok& b, int r);
std::span<const std::uint8_t, kRecordSize> record(const Blok& b, int r);

// Writes "W", address high, address low, 8 and zero data bytes into record r.
void clear_record(Blok& b, int r);

}  // namespace tirel
