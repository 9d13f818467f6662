#pragma once
// The values of single CHIRP cells: megahertz with a point, CTCSS tones and DCS codes of the
// radio's tables.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "blok/subtone.h"

namespace tirel::chirp {

struct MhzText {
  enum What { ok, not_a_number, finer_than_hz } what = not_a_number;
  std::int64_t hz = 0;
};
// "446.006250", "444.600", "5" (a comma serves as the point); exact to the hertz, never rounded.
MhzText parse_mhz(std::string_view text);

// A decimal integer without sign, at most nine digits.
std::optional<int> whole_number(std::string_view text);

// The entry of the CTCSS table ("88,5") that a tone in hertz names to 0.1 Hz ("88.5", "88.50").
std::optional<const char*> ctcss_entry(std::string_view text);
// The entry of the DCS table ("023") that a code names ("023", "23").
std::optional<const char*> dcs_entry(std::string_view text);

ToneChoice ctcss_choice(const char* entry);
ToneChoice dcs_choice(const char* entry, bool inverted);

}  // namespace tirel::chirp
