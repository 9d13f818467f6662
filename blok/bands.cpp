#include "blok/bands.h"

#include "blok/texts.h"

namespace tirel {

const std::array<Band, kBandCount> kBands{{
    {"136МГц - 150МГц", {0xC0, 0xDA, 0x08}, {135000000, 151000000}},
    {"146МГц - 174МГц (Р17)", {0x60, 0xEA, 0x08}, {136000000, 175000000}},
    {"400МГц - 420МГц", {0xA0, 0x80, 0x0A}, {399000000, 421000000}},
    {"438МГц - 470МГц (Р39)", {0xC0, 0xCE, 0x0A}, {436000000, 472000000}},
    {"350МГц - 370МГц", {0x80, 0x32, 0x0A}, {349000000, 371000000}},
    {"370МГц - 390МГц", {0xC0, 0x51, 0x0A}, {369000000, 391000000}},
}};

std::optional<BandLimits> band_limits(int index) {
  if (index < 0 || index >= kBandCount) return std::nullopt;
  return kBands[static_cast<std::size_t>(index)].limits;
}

std::string band_name(int code) {
  if (code >= 0 && code < kBandCount) return kBands[static_cast<std::size_t>(code)].text;
  return blok_text::unknown_band_text(code);
}

}  // namespace tirel
