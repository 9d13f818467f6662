#pragma once
// The radio's memory map: where every field of a channel, of the radio settings and of the band
// record lies in the blok, as one table (kMap), read and written through get_field / set_field.
#include <array>
#include <cstddef>

#include "blok/blok.h"

namespace tirel::layout {

struct Bit {
  int offset;
  std::uint8_t mask;
};

// A run of records, first..last inclusive.
struct Records {
  int first;
  int last;
  constexpr int count() const { return last - first + 1; }
  constexpr bool contains(int r) const { return r >= first && r <= last; }
};

inline constexpr Records kChannelRecords{1, 32};    // channel n owns records 2n-1 and 2n
inline constexpr Records kSettingsRecords{65, 66};  // the ten radio-wide settings
inline constexpr Records kFixedTable{69, 88};       // values the radio needs and the program never shows
inline constexpr int kBandRecord = 124;             // data byte 0 is the band code
inline constexpr int kSettingsRecord1 = kSettingsRecords.first;
inline constexpr int kSettingsRecord2 = kSettingsRecords.last;

enum class Field {
  rx_step_count,
  rx_step_flag,
  channel_on,
  rx_tone_type,
  rx_tone_bit7,
  rx_tone_value,
  tx_step_count,
  tx_step_flag,
  tx_enabled,
  tx_tone_type,
  tx_tone_bit7,
  tx_tone_value,
  narrow,
  shift,
  busy_lock,
  scan_skip,
  squelch_key,
  scan_mode,
  scan_tx_channel,
  priority_channel,
  priority_period,
  scan_resume_delay,
  tx_timeout,
  squelch_level,
  power_saving,
  key_beep,
  band_code,
};

// One field: its lowest bit is bit `shift` of data byte `data_byte` of `record`; it runs on for
// `width` bits into the following bytes, low byte first, as the radio keeps its numbers.
struct Place {
  Field field;
  int record;  // a channel field tells channel 1's record (1 or 2); channel n lies 24*(n-1) further
  int data_byte;
  int shift;
  int width;
  const char* name;  // in the radio's terms

  constexpr bool per_channel() const { return kChannelRecords.contains(record); }
  constexpr int bytes() const { return (shift + width + 7) / 8; }
  constexpr std::uint32_t value_mask() const { return (std::uint32_t{1} << width) - 1; }
};

inline constexpr std::array<Place, 27> kMap{{
    {Field::rx_step_count, 1, 0, 0, 18, "receive frequency: step count"},
    {Field::rx_step_flag, 1, 2, 2, 1, "receive frequency: 1 = steps of 6.25 kHz, 0 = of 2.5 kHz"},
    {Field::channel_on, 1, 2, 3, 1, "channel on"},
    {Field::rx_tone_type, 1, 2, 4, 3, "receive sub-tone type"},
    {Field::rx_tone_bit7, 1, 2, 7, 1, "not used; storing a receive sub-tone clears it"},
    {Field::rx_tone_value, 1, 3, 0, 16, "receive sub-tone value"},
    {Field::tx_step_count, 1, 5, 0, 18, "transmit frequency: step count"},
    {Field::tx_step_flag, 1, 7, 2, 1, "transmit frequency: 1 = steps of 6.25 kHz, 0 = of 2.5 kHz"},
    {Field::tx_enabled, 1, 7, 3, 1, "transmit enabled"},
    {Field::tx_tone_type, 1, 7, 4, 3, "transmit sub-tone type"},
    {Field::tx_tone_bit7, 1, 7, 7, 1, "not used; storing a transmit sub-tone clears it"},
    {Field::tx_tone_value, 2, 0, 0, 16, "transmit sub-tone value"},
    {Field::narrow, 2, 2, 0, 1, "channel width: 1 = 12.5 kHz, 0 = 25 kHz"},
    {Field::shift, 2, 2, 1, 1, "frequency shift"},
    {Field::busy_lock, 2, 2, 2, 1, "transmit inhibited on a busy channel"},
    {Field::scan_skip, 2, 2, 4, 1, "left out of scanning"},
    {Field::squelch_key, 65, 0, 6, 2, "function of the squelch-off key"},
    {Field::scan_mode, 65, 0, 4, 2, "scan mode"},
    {Field::scan_tx_channel, 65, 1, 0, 4, "transmit channel while scanning"},
    {Field::priority_channel, 65, 2, 0, 8, "priority channel, BCD"},
    {Field::priority_period, 65, 3, 0, 8, "priority channel check period, BCD tenths of a second"},
    {Field::scan_resume_delay, 65, 6, 0, 8, "scan resume delay, BCD tenths of a second"},
    {Field::tx_timeout, 65, 7, 0, 8, "transmit time-out timer, BCD tens of seconds; 0 = off (the radio: 0xFF)"},
    {Field::squelch_level, 66, 3, 0, 8, "squelch level"},
    {Field::power_saving, 66, 4, 3, 1, "power saving"},
    {Field::key_beep, 66, 4, 5, 1, "key beep"},
    {Field::band_code, kBandRecord, 0, 0, 8, "band code: the band list entry 0..5"},
}};

constexpr bool map_in_field_order() {
  for (std::size_t i = 0; i < kMap.size(); ++i)
    if (static_cast<std::size_t>(kMap[i].field) != i) return false;
  return true;
}
static_assert(map_in_field_order(), "kMap lists the fields in the order of enum Field");

constexpr const Place& place(Field f) { return kMap[static_cast<std::size_t>(f)]; }

// Channel n (1..16) owns records 2n-1 and 2n, which start at 24*(n-1).
constexpr int channel_base(int n) { return record_offset(kChannelRecords.first + 2 * (n - 1)); }

// The blok offset of the byte that holds the field's lowest bit; n is the channel of a channel field.
constexpr int offset_of(Field f, int n = 1) {
  const Place& p = place(f);
  return data_offset(p.record, p.data_byte) + (p.per_channel() ? channel_base(n) : 0);
}

// The field's bits in each byte it touches (a field spans at most three bytes; unused entries
// carry mask 0).
constexpr std::array<Bit, 3> bits_of(Field f, int n = 1) {
  const Place& p = place(f);
  const std::uint32_t mask = p.value_mask() << p.shift;
  std::array<Bit, 3> out{};
  for (int k = 0; k < 3; ++k)
    out[static_cast<std::size_t>(k)] = {offset_of(f, n) + k, static_cast<std::uint8_t>(mask >> (8 * k) & 0xFF)};
  return out;
}

// The bits of a field that lies within one byte.
constexpr Bit bit_of(Field f, int n = 1) { return bits_of(f, n)[0]; }

// The field's value within a little-endian word that starts at the field's byte, and that word
// with the value replaced (bits outside the field kept).
constexpr std::uint32_t take_bits(std::uint32_t word, const Place& p) { return word >> p.shift & p.value_mask(); }
constexpr std::uint32_t put_bits(std::uint32_t word, const Place& p, std::uint32_t v) {
  const std::uint32_t mask = p.value_mask() << p.shift;
  return (word & ~mask) | ((v << p.shift) & mask);
}

// Each direction's fields.
constexpr Field step_count_field(Dir d) { return d == Dir::rx ? Field::rx_step_count : Field::tx_step_count; }
constexpr Field step_flag_field(Dir d) { return d == Dir::rx ? Field::rx_step_flag : Field::tx_step_flag; }
constexpr Field tone_type_field(Dir d) { return d == Dir::rx ? Field::rx_tone_type : Field::tx_tone_type; }
constexpr Field tone_bit7_field(Dir d) { return d == Dir::rx ? Field::rx_tone_bit7 : Field::tx_tone_bit7; }
constexpr Field tone_value_field(Dir d) { return d == Dir::rx ? Field::rx_tone_value : Field::tx_tone_value; }

// Frequency field: low, middle and top byte. The top byte also carries the
// channel-on / transmit-enabled flag (bit 3) and the sub-tone type (bits 4..6).
constexpr int freq_low(int n, Dir d) { return offset_of(step_count_field(d), n); }
constexpr int freq_mid(int n, Dir d) { return freq_low(n, d) + 1; }
constexpr int freq_top(int n, Dir d) { return freq_low(n, d) + 2; }
constexpr int tone_type_byte(int n, Dir d) { return offset_of(tone_type_field(d), n); }
constexpr int tone_low(int n, Dir d) { return offset_of(tone_value_field(d), n); }
constexpr int tone_high(int n, Dir d) { return tone_low(n, d) + 1; }
constexpr int channel_flags_byte(int n) { return offset_of(Field::narrow, n); }

inline constexpr std::uint8_t kStepCountTopMask = bits_of(Field::rx_step_count)[2].mask;
inline constexpr std::uint8_t kStepFlagMask = bit_of(Field::rx_step_flag).mask;  // 1 = 6.25 kHz steps
inline constexpr std::uint8_t kToneTypeMask = bit_of(Field::rx_tone_type).mask;

enum class ChannelFlag {
  on,          // channel on (the table's "Канал выключен" box shows the inverse)
  tx_enabled,  // may transmit (the "Запрет передачи" box shows the inverse)
  narrow,      // channel width 12.5 kHz when set, 25 kHz when clear
  shift,       // frequency shift
  busy_lock,   // transmit inhibited on a busy channel
  scan_skip,   // left out of scanning
};

constexpr Field flag_field(ChannelFlag f) {
  switch (f) {
    case ChannelFlag::on: return Field::channel_on;
    case ChannelFlag::tx_enabled: return Field::tx_enabled;
    case ChannelFlag::narrow: return Field::narrow;
    case ChannelFlag::shift: return Field::shift;
    case ChannelFlag::busy_lock: return Field::busy_lock;
    case ChannelFlag::scan_skip: return Field::scan_skip;
  }
  return Field::channel_on;
}

constexpr Bit flag_bit(int n, ChannelFlag f) { return bit_of(flag_field(f), n); }

inline constexpr int kBandCode = offset_of(Field::band_code);      // 1480
inline constexpr int kTimeoutTimer = offset_of(Field::tx_timeout);  // 779; 0 = off here, 0xFF in the radio

}  // namespace tirel::layout

namespace tirel {

// Any field of the map; n is the channel (1..16) of a channel field (std::out_of_range otherwise)
// and is not looked at for the others. Writing keeps every bit outside the field; a value wider
// than the field is cut to it.
std::uint32_t get_field(const Blok& b, layout::Field f, int n = 0);
void set_field(Blok& b, layout::Field f, std::uint32_t value, int n = 0);

bool get_bit(const Blok& b, layout::Bit bit);
void set_bit(Blok& b, layout::Bit bit, bool on);

bool channel_flag(const Blok& b, int n, layout::ChannelFlag f);
void set_channel_flag(Blok& b, int n, layout::ChannelFlag f, bool on);
void toggle_channel_flag(Blok& b, int n, layout::ChannelFlag f);

inline std::uint8_t band_code(const Blok& b) {
  return static_cast<std::uint8_t>(get_field(b, layout::Field::band_code));
}

}  // namespace tirel
