#include "csv_sets.h"

#include <cassert>
#include <string>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"

namespace tirel::test {

using layout::ChannelFlag;

namespace {

void tone(Blok& b, int n, Dir d, ToneKind kind, const char* text, bool inverted = false) {
  ToneChoice c;
  c.kind = kind;
  (kind == ToneKind::dcs ? c.dcs_text : c.ctcss_text) = text;
  c.inverted = inverted;
  const bool ok = store_tone(b, n, d, c).ok;
  assert(ok);
  (void)ok;
}

void frq(Blok& b, int n, Dir d, std::int64_t hz) {
  const auto r = store_frq(b, n, d, hz, {136000000, 175000000});
  assert(r.what == FrqStore::stored);
  (void)r;
}

}  // namespace

Blok edited_set() {
  Blok b = new_blok(1);
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto k = static_cast<std::size_t>(n);
    // Odd channels sit on a 6.25 kHz raster, even ones on 2.5 kHz only.
    frq(b, n, Dir::rx, 136000000 + 2000000LL * n + (n % 2 ? 12500 : 2500));
    if (n != 7) frq(b, n, Dir::tx, 137000000 + 2200000LL * n + (n % 2 ? 12500 : 7500));
    switch (n % 4) {
      case 0: tone(b, n, Dir::rx, ToneKind::ctcss, kCtcssTones[k * 3 % 50]); break;
      case 1: tone(b, n, Dir::rx, ToneKind::dcs, kDcsCodes[k * 5 % 83]); break;
      case 2: tone(b, n, Dir::rx, ToneKind::dcs, kDcsCodes[k * 7 % 83], true); break;
      case 3: break;
    }
    if (n % 3 == 0) tone(b, n, Dir::tx, ToneKind::ctcss, kCtcssTones[49 - k]);
    if (n % 3 == 1) tone(b, n, Dir::tx, ToneKind::dcs, kDcsCodes[82 - k], n % 2 == 0);
    set_channel_flag(b, n, ChannelFlag::shift, n & 1);
    set_channel_flag(b, n, ChannelFlag::narrow, n & 2);
    set_channel_flag(b, n, ChannelFlag::scan_skip, n & 4);
    set_channel_flag(b, n, ChannelFlag::busy_lock, n & 8);
  }
  // Switched off and inhibited channels keep everything they had.
  set_channel_flag(b, 4, ChannelFlag::on, false);
  set_channel_flag(b, 9, ChannelFlag::tx_enabled, false);
  set_channel_flag(b, 16, ChannelFlag::on, false);
  set_channel_flag(b, 16, ChannelFlag::tx_enabled, false);
  // The extreme table entries.
  tone(b, 13, Dir::rx, ToneKind::ctcss, "67,0");
  tone(b, 13, Dir::tx, ToneKind::ctcss, "254,1");
  tone(b, 14, Dir::rx, ToneKind::dcs, "023");
  tone(b, 14, Dir::tx, ToneKind::dcs, "754", true);
  return b;
}

Blok odd_set() {
  Blok b = edited_set();
  // 150 MHz as 60000 steps of 2.5 kHz, as the default builder stores it (channel 2 receive).
  b[layout::freq_low(2, Dir::rx)] = 0x60;
  b[layout::freq_mid(2, Dir::rx)] = 0xEA;
  b[layout::freq_top(2, Dir::rx)] = static_cast<std::uint8_t>((b[layout::freq_top(2, Dir::rx)] & 0xF8) | 0x00);
  // 100 MHz, below band 1 (channel 3 transmit); 262143 steps of 6.25 kHz (channel 5 receive).
  b[layout::freq_low(3, Dir::tx)] = 0x80;
  b[layout::freq_mid(3, Dir::tx)] = 0x3E;
  b[layout::freq_top(3, Dir::tx)] = static_cast<std::uint8_t>((b[layout::freq_top(3, Dir::tx)] & 0xF8) | 0x04);
  b[layout::freq_low(5, Dir::rx)] = 0xFF;
  b[layout::freq_mid(5, Dir::rx)] = 0xFF;
  b[layout::freq_top(5, Dir::rx)] |= 0x07;
  // Type 4 and type 1 sub-tones; a CTCSS value with a nibble above 9; an off tone with a value.
  b[layout::tone_type_byte(6, Dir::rx)] = static_cast<std::uint8_t>((b[layout::tone_type_byte(6, Dir::rx)] & 0x0F) | 0x40);
  b[layout::tone_type_byte(8, Dir::tx)] = static_cast<std::uint8_t>((b[layout::tone_type_byte(8, Dir::tx)] & 0x0F) | 0x10);
  b[layout::tone_type_byte(10, Dir::rx)] = static_cast<std::uint8_t>((b[layout::tone_type_byte(10, Dir::rx)] & 0x0F) | 0x30);
  b[layout::tone_high(10, Dir::rx)] = 0x0A;
  b[layout::tone_low(10, Dir::rx)] = 0x00;
  b[layout::tone_high(11, Dir::rx)] = 0x12;  // channel 11 receive is off
  // Bit 7 of a type byte and the unused bits of a flags byte.
  b[layout::tone_type_byte(12, Dir::tx)] |= 0x80;
  b[layout::channel_flags_byte(12)] |= 0xE8;
  for (int off = record_offset(69); off < record_offset(89); ++off) b[static_cast<std::size_t>(off)] ^= 0x5A;
  b[static_cast<std::size_t>(data_offset(40, 3))] = 0x77;
  return b;
}

}  // namespace tirel::test
