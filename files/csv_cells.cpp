#include "files/csv_cells.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "blok/frequency.h"

namespace tirel::csv {
namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// What the sub-tone dialog stores for each table entry, found by storing it into a scratch blok,
// so the tables and the storing rule stay in one place.
template <std::size_t N>
std::array<std::uint16_t, N> stored_values(const std::array<const char*, N>& table, ToneKind kind) {
  std::array<std::uint16_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    Blok scratch{};
    ToneChoice choice;
    choice.kind = kind;
    (kind == ToneKind::ctcss ? choice.ctcss_text : choice.dcs_text) = table[i];
    (void)store_tone(scratch, 1, Dir::rx, choice);
    values[i] = tone_value(scratch, 1, Dir::rx);
  }
  return values;
}

const auto& ctcss_values() {
  static const auto values = stored_values(kCtcssTones, ToneKind::ctcss);
  return values;
}

const auto& dcs_values() {
  static const auto values = stored_values(kDcsCodes, ToneKind::dcs);
  return values;
}

template <std::size_t N>
std::optional<std::size_t> index_of(const std::array<std::uint16_t, N>& values, std::uint16_t v) {
  const auto it = std::find(values.begin(), values.end(), v);
  if (it == values.end()) return std::nullopt;
  return static_cast<std::size_t>(it - values.begin());
}

std::string ctcss_cell_text(const char* table_text) {
  std::string s = table_text;
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

std::string raw_text(std::uint8_t type, std::uint16_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "raw:%d:%04X", type >> 4 & 7, value);
  return buf;
}

std::optional<int> hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

// "raw:T:VVVV" (already lower-cased) into type byte bits and value.
std::optional<std::pair<std::uint8_t, std::uint16_t>> parse_raw(std::string_view s) {
  if (s.size() != 10 || !s.starts_with("raw:") || s[5] != ':' || s[4] < '0' || s[4] > '7') return std::nullopt;
  std::uint16_t v = 0;
  for (char c : s.substr(6)) {
    const auto d = hex_digit(c);
    if (!d) return std::nullopt;
    v = static_cast<std::uint16_t>(v << 4 | *d);
  }
  return std::make_pair(static_cast<std::uint8_t>((s[4] - '0') << 4), v);
}

}  // namespace

std::string frequency_cell(const Blok& b, int n, Dir d) {
  std::string s = blok_to_frq_str(b, n, d);
  s.erase(0, s.find_first_not_of(' '));
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

std::optional<std::int64_t> parse_frequency_cell(std::string_view cell) {
  if (cell.empty() || cell.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
  return parse_frq_entry(cell);
}

std::string tone_text(std::uint8_t type, std::uint16_t value) {
  // The radio ignores the value of a sub-tone that is off; the window shows it as off too.
  if (type == kToneOff) return "off";
  if (type == kToneCtcss) {
    if (const auto i = index_of(ctcss_values(), value)) return ctcss_cell_text(kCtcssTones[*i]);
  }
  if (type == kToneDcs || type == kToneDcsInverted) {
    if (const auto i = index_of(dcs_values(), value))
      return std::string("D") + kDcsCodes[*i] + (type == kToneDcs ? "N" : "I");
  }
  return raw_text(type, value);
}

std::string tone_cell(const Blok& b, int n, Dir d) { return tone_text(tone_type(b, n, d), tone_value(b, n, d)); }

std::optional<ToneCell> parse_tone_cell(std::string_view cell) {
  const std::string s = lower(cell);
  if (s == "off") return ToneCell{"off", ToneChoice{}};
  if (const auto raw = parse_raw(s)) {
    const std::string canonical = tone_text(raw->first, raw->second);
    // A raw form that names a table value is that value.
    if (!canonical.starts_with("raw:")) return parse_tone_cell(canonical);
    return ToneCell{canonical, std::nullopt};
  }
  if (s.size() == 5 && s[0] == 'd' && (s[4] == 'n' || s[4] == 'i')) {
    const std::string code = s.substr(1, 3);
    for (const char* c : kDcsCodes) {
      if (code != c) continue;
      ToneChoice choice;
      choice.kind = ToneKind::dcs;
      choice.dcs_text = c;
      choice.inverted = s[4] == 'i';
      return ToneCell{std::string("D") + c + (choice.inverted ? "I" : "N"), choice};
    }
    return std::nullopt;
  }
  std::string comma = s;
  std::replace(comma.begin(), comma.end(), '.', ',');
  for (const char* t : kCtcssTones) {
    if (comma != t) continue;
    ToneChoice choice;
    choice.kind = ToneKind::ctcss;
    choice.ctcss_text = t;
    return ToneCell{ctcss_cell_text(t), choice};
  }
  return std::nullopt;
}

std::optional<bool> parse_yes_no(std::string_view cell) {
  const std::string s = lower(cell);
  if (s == "yes" || s == "1") return true;
  if (s == "no" || s == "0") return false;
  return std::nullopt;
}

std::optional<bool> parse_on_off(std::string_view cell) {
  const std::string s = lower(cell);
  if (s == "on" || s == "1") return true;
  if (s == "off" || s == "0") return false;
  return std::nullopt;
}

std::optional<bool> parse_narrow(std::string_view cell) {
  if (cell == "12.5" || cell == "12,5") return true;
  if (cell == "25") return false;
  return std::nullopt;
}

}  // namespace tirel::csv
