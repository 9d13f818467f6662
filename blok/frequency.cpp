#include "blok/frequency.h"

#include "blok/layout.h"

namespace tirel {

std::uint32_t step_count(const Blok& b, int n, Dir d) { return get_field(b, layout::step_count_field(d), n); }

bool steps_of_6250(const Blok& b, int n, Dir d) { return get_field(b, layout::step_flag_field(d), n) != 0; }

std::int64_t frequency_hz(const Blok& b, int n, Dir d) {
  return static_cast<std::int64_t>(step_count(b, n, d)) * (steps_of_6250(b, n, d) ? 6250 : 2500);
}

std::string frq_text(std::int64_t hz) {
  std::string fraction = std::to_string(hz % 1000000);
  std::string text = std::to_string(hz / 1000000) + "," + std::string(6 - fraction.size(), '0') + fraction;
  if (text.size() < 12) text.insert(0, 12 - text.size(), ' ');
  return text;
}

std::string blok_to_frq_str(const Blok& b, int n, Dir d) { return frq_text(frequency_hz(b, n, d)); }

namespace {

bool all_digits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::int64_t digits_value(std::string_view s) {
  std::int64_t v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

}  // namespace

std::optional<std::int64_t> parse_frq_entry(std::string_view text) {
  const auto sep = text.find_first_of(".,");
  std::string_view integer = text.substr(0, sep);
  std::string_view fraction = sep == std::string_view::npos ? std::string_view{} : text.substr(sep + 1);
  if (!all_digits(integer) || !all_digits(fraction)) return std::nullopt;
  // The field holds at most ten characters, but pasted text could be longer: stay inside int64.
  if (integer.size() > 12) return std::nullopt;
  std::int64_t hz = 0;
  if (!fraction.empty()) {
    std::string_view kept = fraction.substr(0, 6);
    hz = digits_value(kept);
    for (std::size_t i = kept.size(); i < 6; ++i) hz *= 10;
  }
  if (!integer.empty()) hz += digits_value(integer) * 1000000;
  return hz;
}

namespace {

// The field's step count and step flag for a frequency on the 2.5 or 6.25 kHz grid; 6.25 kHz
// steps where both fit, as the entry prefers.
void write_frequency(Blok& b, int n, Dir d, std::int64_t hz) {
  const bool fine = hz % 6250 == 0;
  const auto count = static_cast<std::uint32_t>(fine ? hz / 6250 : hz / 2500);
  set_field(b, layout::step_count_field(d), count, n);
  set_field(b, layout::step_flag_field(d), fine ? 1 : 0, n);
}

}  // namespace

FrqResult store_frq(Blok& b, int n, Dir d, std::int64_t entered_hz, BandLimits limits) {
  if (entered_hz == 0) return {FrqStore::nothing_entered, 0};
  if (entered_hz > limits.upper || entered_hz < limits.lower) return {FrqStore::out_of_range, 0};
  const std::int64_t f = entered_hz - entered_hz % 2500;
  write_frequency(b, n, d, f);
  return {FrqStore::stored, f};
}

bool on_step_grid(std::int64_t hz) { return hz > 0 && (hz % 2500 == 0 || hz % 6250 == 0); }

bool store_exact_frq(Blok& b, int n, Dir d, std::int64_t hz) {
  if (!on_step_grid(hz) || hz / 2500 > 262143) return false;
  write_frequency(b, n, d, hz);
  return true;
}

}  // namespace tirel
