#include "files/chirp_values.h"

#include <algorithm>

namespace tirel::chirp {
namespace {

bool digits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Tenths of a hertz in a tone text, exact; none when finer than 0.1 Hz or not a number.
std::optional<int> tenths(std::string_view text) {
  const auto sep = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, sep);
  std::string_view fraction = sep == std::string_view::npos ? std::string_view{} : text.substr(sep + 1);
  if (whole.empty() || whole.size() > 4 || !digits(whole) || !digits(fraction)) return std::nullopt;
  while (fraction.size() > 1 && fraction.back() == '0') fraction.remove_suffix(1);
  if (fraction.size() > 1) return std::nullopt;
  return *whole_number(whole) * 10 + (fraction.empty() ? 0 : fraction[0] - '0');
}

}  // namespace

MhzText parse_mhz(std::string_view text) {
  const auto sep = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, sep);
  std::string_view fraction = sep == std::string_view::npos ? std::string_view{} : text.substr(sep + 1);
  if (whole.empty() || whole.size() > 6 || !digits(whole) || !digits(fraction)) return {};
  while (fraction.size() > 6 && fraction.back() == '0') fraction.remove_suffix(1);
  MhzText m;
  m.hz = static_cast<std::int64_t>(*whole_number(whole)) * 1000000;
  std::int64_t part = 0;
  for (std::size_t i = 0; i < 6; ++i) part = part * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  m.hz += part;
  m.what = fraction.size() > 6 ? MhzText::finer_than_hz : MhzText::ok;
  return m;
}

std::optional<int> whole_number(std::string_view text) {
  if (text.empty() || text.size() > 9 || !digits(text)) return std::nullopt;
  int v = 0;
  for (char c : text) v = v * 10 + (c - '0');
  return v;
}

std::optional<const char*> ctcss_entry(std::string_view text) {
  const auto t = tenths(text);
  if (!t) return std::nullopt;
  for (const char* entry : kCtcssTones)
    if (tenths(entry) == t) return entry;
  return std::nullopt;
}

std::optional<const char*> dcs_entry(std::string_view text) {
  const auto code = text.size() <= 3 ? whole_number(text) : std::nullopt;
  if (!code) return std::nullopt;
  for (const char* entry : kDcsCodes)
    if (whole_number(entry) == code) return entry;
  return std::nullopt;
}

ToneChoice ctcss_choice(const char* entry) {
  ToneChoice c;
  c.kind = ToneKind::ctcss;
  c.ctcss_text = entry;
  return c;
}

ToneChoice dcs_choice(const char* entry, bool inverted) {
  ToneChoice c;
  c.kind = ToneKind::dcs;
  c.dcs_text = entry;
  c.inverted = inverted;
  return c;
}

}  // namespace tirel::chirp
