#pragma once
// Sub-tones: a 3-bit type (off, CTCSS, DCS, inverted DCS) and a 16-bit value per channel and
// direction; the two tables the user picks from, the table's text and the storing rule.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "blok/blok.h"
#include "blok/result.h"

namespace tirel {

inline constexpr std::uint8_t kToneOff = 0x00;
inline constexpr std::uint8_t kToneCtcss = 0x30;
inline constexpr std::uint8_t kToneDcs = 0x50;
inline constexpr std::uint8_t kToneDcsInverted = 0x70;

extern const std::array<const char*, 50> kCtcssTones;  // "67,0" .. "254,1", always with a comma
extern const std::array<const char*, 83> kDcsCodes;    // "023" .. "754"

std::uint8_t tone_type(const Blok& b, int n, Dir d);  // the type byte masked with 0x70
std::uint16_t tone_value(const Blok& b, int n, Dir d);

// The number part of a CTCSS text: BCD tenths as "67,0" with the given decimal separator.
// Nibbles above 9 count with their value, as the radio's program shows them.
std::string ctcss_number_text(std::uint16_t value, std::string_view decimal_sep);
// The number part of a DCS text: the octal code in decimal digits, "023".
std::string dcs_number_text(std::uint16_t value);

// The table's text: " Выключен", "  CTC 67,0", "   DCS 023", "  -DCS 754". Types the program
// never writes (1, 2, 4, 6) show as "  Тип N ?" so that they cannot pass unnoticed.
std::string blok_to_stone_str(const Blok& b, int n, Dir d, std::string_view decimal_sep);

// The sub-tone dialog's radio choices, by their index in the dialog.
enum class ToneKind { ctcss = 0, dcs = 1, off = 2 };

struct ToneChoice {
  ToneKind kind = ToneKind::off;
  std::string ctcss_text;  // what the CTCSS list shows (an entry or typed text)
  std::string dcs_text;    // what the DCS list shows
  bool inverted = false;
};

// When not ok, the error says why a typed text could not be read; the field is then untouched.
using ToneStoreResult = Result;

// Stores the choice by the radio's digit-position rule. All or nothing: a text that cannot be
// read changes no byte.
[[nodiscard]] ToneStoreResult store_tone(Blok& b, int n, Dir d, const ToneChoice& choice);

}  // namespace tirel
