#pragma once
// The six frequency bands of the band list, their default channel frequency and entry limits.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tirel {

struct BandLimits {
  std::int32_t lower;  // Hz, inclusive
  std::int32_t upper;  // Hz, inclusive
};

struct Band {
  const char* text;                       // the band list entry
  std::array<std::uint8_t, 3> default_field;  // low, middle, top byte of the default frequency
  BandLimits limits;                      // what entry accepts once the band is chosen
};

inline constexpr int kBandCount = 6;
extern const std::array<Band, kBandCount> kBands;

// At start-up band 1 is shown, but entry accepts only 146..174 MHz until the first band change.
inline constexpr int kStartupBand = 1;
inline constexpr BandLimits kStartupLimits{146000000, 174000000};

// The limits of band list entry `index`; none for an index outside the list.
std::optional<BandLimits> band_limits(int index);

// The band list's text for a band code, or "неизвестный (код N)" for a code outside the list.
std::string band_name(int code);

}  // namespace tirel
