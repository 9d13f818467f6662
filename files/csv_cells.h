#pragma once
// The texts of one CSV cell: what the export writes for a field and how an import reads it back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "blok/blok.h"
#include "blok/subtone.h"

namespace tirel::csv {

// "150.012500": the table's frequency text with a point instead of the comma.
std::string frequency_cell(const Blok& b, int n, Dir d);
// Hertz as the frequency dialog reads its text (a point or a comma, at most six decimals);
// none for anything that is not such a number.
std::optional<std::int64_t> parse_frequency_cell(std::string_view cell);

// "off", "67.0", "D023N", "D023I"; "raw:T:VVVV" for a type or value the tables cannot name.
std::string tone_text(std::uint8_t type, std::uint16_t value);
std::string tone_cell(const Blok& b, int n, Dir d);

struct ToneCell {
  std::string canonical;            // as the export writes it
  std::optional<ToneChoice> choice; // what the sub-tone dialog would be given; none for raw values
};
// Accepts "off", a tone of the CTCSS table with a point or comma, "D" + a code of the DCS table
// + "N" or "I", and the raw form; letters in either case. None for anything else.
std::optional<ToneCell> parse_tone_cell(std::string_view cell);

std::optional<bool> parse_yes_no(std::string_view cell);   // yes/no, 1/0
std::optional<bool> parse_on_off(std::string_view cell);   // on/off, 1/0
std::optional<bool> parse_narrow(std::string_view cell);   // 12.5 (true) or 25 (false)

}  // namespace tirel::csv
