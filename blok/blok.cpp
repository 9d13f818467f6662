#include "blok/blok.h"

namespace tirel {

std::span<std::uint8_t, kRecordSize> record(Blok& b, int r) {
  return std::span<std::uint8_t, kRecordSize>(b.data() + record_offset(r), kRecordSize);
}

std::span<const std::uint8_t, kRecordSize> record(const Blok& b, int r) {
  return std::span<const std::uint8_t, kRecordSize>(b.data() + record_offset(r), kRecordSize);
}

void clear_record(Blok& b, int r) {
  auto rec = record(b, r);
  const int address = record_address(r);
  rec[0] = 0x57;
  rec[1] = static_cast<std::uint8_t>(address >> 8);
  rec[2] = static_cast<std::uint8_t>(address & 0xFF);
  rec[3] = 8;
  for (int d = 4; d < kRecordSize; ++d) rec[d] = 0;
}

}  // namespace tirel
