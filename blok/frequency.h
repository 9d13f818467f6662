#pragma once
// Channel frequencies: the 18-bit step count with its step flag, the text the table shows,
// the frequency dialog's conversion and the rule by which an entry is stored.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "blok/bands.h"
#include "blok/blok.h"

namespace tirel {

std::uint32_t step_count(const Blok& b, int n, Dir d);
bool steps_of_6250(const Blok& b, int n, Dir d);
std::int64_t frequency_hz(const Blok& b, int n, Dir d);

// Megahertz, a comma and six digits, right-aligned in twelve characters: "  146,012500".
// The comma is fixed whatever the system's decimal separator.
std::string frq_text(std::int64_t hz);
std::string blok_to_frq_str(const Blok& b, int n, Dir d);

// The frequency dialog's conversion of its text into hertz: digits before the first point or
// comma are megahertz, up to six digits after it are the fraction. Empty text gives 0.
// None when a part is not a decimal number (pasted text can hold anything).
std::optional<std::int64_t> parse_frq_entry(std::string_view text);

enum class FrqStore { nothing_entered, out_of_range, stored };

struct FrqResult {
  FrqStore what;
  std::int64_t stored_hz;  // the value after rounding down to 2500 Hz, when stored
};

// Tests an entered frequency against the band limits (inclusive, before rounding), rounds it
// down to 2500 Hz, prefers 6.25 kHz steps and writes the field; bits 3..7 of the top byte stay.
[[nodiscard]] FrqResult store_frq(Blok& b, int n, Dir d, std::int64_t entered_hz, BandLimits limits);

// A frequency the field holds exactly: a whole number of 2.5 kHz or of 6.25 kHz steps
// (PMR446's 446.00625 MHz is the latter only).
bool on_step_grid(std::int64_t hz);
// Stores a frequency from a channel list as it is, never rounded: 6.25 kHz steps where they fit,
// else 2.5 kHz steps, as the entry does. False, and nothing written, when it is off both grids.
[[nodiscard]] bool store_exact_frq(Blok& b, int n, Dir d, std::int64_t hz);

}  // namespace tirel
