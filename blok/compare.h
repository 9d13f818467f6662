#pragma once
// The differences between two parameter sets in words, as the window would show them:
// "Канал 3: частота ПРМ 150,000000 → 151,000000".
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"

namespace tirel {

struct Comparison {
  // Band first, then channel by channel, then the radio settings.
  std::vector<std::string> lines;
  // Blok offsets whose differing bits no line above accounts for: bytes the window never shows,
  // or another form of a value the window shows alike (150 MHz in 2.5 kHz or in 6.25 kHz steps).
  std::vector<int> hidden_offsets;

  bool identical() const { return lines.empty() && hidden_offsets.empty(); }
};

// Every channel's values are compared whether or not the channel is on or may transmit: the
// blok keeps them and they come back when the channel is switched on again.
Comparison compare_bloks(const Blok& a, const Blok& b, std::string_view decimal_sep);

// "Различаются байты, которых окно не показывает: смещение 19 (запись 2, байт 7), ..."; empty when none.
std::string hidden_note(const Comparison& c);

}  // namespace tirel
