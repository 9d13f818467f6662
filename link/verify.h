#pragma once
// Checking a radio against a parameter set: what a read would bring into the blok (the channels,
// the settings and the band record, the timer's 0xFF taken as "off") against the set itself.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"
#include "blok/compare.h"
#include "link/wire.h"

namespace tirel {

inline constexpr const char* kVerifyCaption = "Сверка с радиостанцией";
inline constexpr const char* kVerifyMatches = "Радиостанция соответствует набору параметров.";
inline constexpr const char* kVerifyDiffers = "Радиостанция не соответствует набору параметров (в наборе → в радиостанции):";

// The differences between `set` and what a read of `rb` would leave in it. The set's timer byte
// counts as the radio gives it back: a 0xFF there is "off", as the 0 the read makes of it.
Comparison verify_read(const ReadBuffer& rb, const Blok& set, std::string_view decimal_sep);

// The answer in words: the match sentence alone, or the heading and one line a difference. With
// `max_lines` above 0 the list stops there and a last line says how many more differ.
std::vector<std::string> verify_report(const Comparison& c, std::size_t max_lines = 0);

}  // namespace tirel
