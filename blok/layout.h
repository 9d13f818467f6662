#pragma once
// Where every field of a channel, of the settings and of the band record lies in the blok.
#include "blok/blok.h"

namespace tirel::layout {

struct Bit {
  int offset;
  std::uint8_t mask;
};

// Channel n (1..16) owns records 2n-1 and 2n, which start at 24*(n-1).
constexpr int channel_base(int n) { return 24 * (n - 1); }

// Frequency field: low, middle and top byte. The top byte also carries the
// channel-on / transmit-enabled flag (bit 3) and the sub-tone type (bits 4..6).
constexpr int freq_low(int n, Dir d) { return channel_base(n) + (d == Dir::rx ? 4 : 9); }
constexpr int freq_mid(int n, Dir d) { return freq_low(n, d) + 1; }
constexpr int freq_top(int n, Dir d) { return freq_low(n, d) + 2; }
constexpr int tone_type_byte(int n, Dir d) { return freq_top(n, d); }
constexpr int tone_low(int n, Dir d) { return channel_base(n) + (d == Dir::rx ? 7 : 16); }
constexpr int tone_high(int n, Dir d) { return tone_low(n, d) + 1; }
constexpr int channel_flags_byte(int n) { return channel_base(n) + 18; }

inline constexpr std::uint8_t kStepCountTopMask = 0x03;
inline constexpr std::uint8_t kStepFlagMask = 0x04;  // 1 = 6.25 kHz steps, 0 = 2.5 kHz
inline constexpr std::uint8_t kToneTypeMask = 0x70;

enum class ChannelFlag {
  on,          // channel on (the table's "Канал выключен" box shows the inverse)
  tx_enabled,  // may transmit (the "Запрет передачи" box shows the inverse)
  narrow,      // channel width 12.5 kHz when set, 25 kHz when clear
  shift,       // frequency shift
  busy_lock,   // transmit inhibited on a busy channel
  scan_skip,   // left out of scanning
};

constexpr Bit flag_bit(int n, ChannelFlag f) {
  switch (f) {
    case ChannelFlag::on: return {freq_top(n, Dir::rx), 0x08};
    case ChannelFlag::tx_enabled: return {freq_top(n, Dir::tx), 0x08};
    case ChannelFlag::narrow: return {channel_flags_byte(n), 0x01};
    case ChannelFlag::shift: return {channel_flags_byte(n), 0x02};
    case ChannelFlag::busy_lock: return {channel_flags_byte(n), 0x04};
    case ChannelFlag::scan_skip: return {channel_flags_byte(n), 0x10};
  }
  return {0, 0};
}

// Radio settings records and the band record.
inline constexpr int kSettingsRecord1 = 65;
inline constexpr int kSettingsRecord2 = 66;
inline constexpr int kBandRecord = 124;
inline constexpr int kBandCode = data_offset(kBandRecord, 0);       // 1480
inline constexpr int kTimeoutTimer = data_offset(kSettingsRecord1, 7);  // 779; 0 = off here, 0xFF in the radio

}  // namespace tirel::layout

namespace tirel {

bool get_bit(const Blok& b, layout::Bit bit);
void set_bit(Blok& b, layout::Bit bit, bool on);

bool channel_flag(const Blok& b, int n, layout::ChannelFlag f);
void set_channel_flag(Blok& b, int n, layout::ChannelFlag f, bool on);
void toggle_channel_flag(Blok& b, int n, layout::ChannelFlag f);

inline std::uint8_t band_code(const Blok& b) { return b[layout::kBandCode]; }

}  // namespace tirel
