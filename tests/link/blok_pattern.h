#pragma once
// Parameter sets whose records can be told apart byte by byte.
#include "blok/blok.h"
#include "blok/default_blok.h"

namespace tirel::test {

// new_blok(band) with every data byte of records 67..88 and of unused records set to a
// value derived from record and byte, so a record copied to the wrong place shows.
inline Blok patterned_blok(int band, std::uint8_t salt) {
  Blok b = new_blok(band);
  for (int r = 1; r <= kRecordCount; ++r) {
    if (r == 124) continue;
    for (int d = 0; d < 8; ++d) b[static_cast<std::size_t>(data_offset(r, d))] = static_cast<std::uint8_t>(r * 7 + d * 13 + salt);
  }
  return b;
}

}  // namespace tirel::test
