#pragma once
// Parameter sets for the CSV tests: one made through the window's editors, one with bytes that
// only a radio or a foreign file could leave.
#include "blok/blok.h"

namespace tirel::test {

// Band 1 defaults with every channel changed through the editors: both step sizes, CTCSS, DCS
// normal and inverted, every flag, channels off and inhibited.
Blok edited_set();

// `edited_set` with bytes no editor writes: 150 MHz in 2.5 kHz steps, frequencies outside the band
// and above 1000 MHz, sub-tone types 4 and 1, a CTCSS value outside the table, bit 7 of a type byte,
// unused bits of a flags byte, and a busy fixed table.
Blok odd_set();

}  // namespace tirel::test
