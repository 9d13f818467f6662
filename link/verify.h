#pragma once
// Checking a radio against a parameter set: everything a write of the set sends (the channels,
// the settings, the radio's fixed table in records 69..88 and the band record, the timer's 0xFF
// taken as "off"), and whether the radio's model and band would take the set at all.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"
#include "blok/compare.h"
#include "link/wire.h"

namespace tirel {

struct RadioCheck {
  // The write's own refusals: a model it does not support, a band other than the set's.
  std::vector<std::string> refusals;
  // What a read brings into the blok (channels, settings, band record) against the set.
  Comparison kept;
  // Records 69..88, which a write sends but a read keeps only in its buffer: one line a byte.
  std::vector<std::string> fixed_table;

  bool identical() const { return refusals.empty() && kept.identical() && fixed_table.empty(); }
};

// What the radio that gave `rb` holds against `set`. The set's timer byte counts as the radio
// gives it back: a 0xFF there is "off", as the 0 the read makes of it. Records 67 and 68 come
// with a read but are never written, so they are not compared.
RadioCheck verify_read(const ReadBuffer& rb, const Blok& set, std::string_view decimal_sep);

// The answer in words: the match sentence alone, or the heading and one line a difference. With
// `max_lines` above 0 the list stops there and a last line says how many more differ.
std::vector<std::string> verify_report(const RadioCheck& c, std::size_t max_lines = 0);

}  // namespace tirel
