#pragma once
// The ten radio-wide settings of records 65 and 66: list entries, stored values and the bits
// each one owns.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "blok/blok.h"
#include "blok/layout.h"

namespace tirel {

struct Setting {
  int combo;                // the settings page's list: 201..205, 209..213
  const char* report_name;  // the parameter sheet's name: "osn1" ..
  const char* label;        // the label beside the list
  layout::Field field;      // where it lies in the memory map
  int offset;               // blok offset of its byte (from the map)
  std::uint8_t mask;        // the bits it owns in that byte (from the map)
  std::span<const char* const> entries;
  int (*stored_for)(int i);  // the field's value for entry i
  int (*entry_for)(int v);   // the entry shown for the field's value; may fall outside the list

  // The byte after choosing entry i (only the setting's own bits change).
  std::uint8_t encode(std::uint8_t old_byte, int i) const;
  // The entry index shown for a stored byte; may fall outside the list.
  int decode(std::uint8_t byte) const;
};

// In the order the page refreshes them: 201, 202, 203, 204, 205, 209, 210, 211, 212, 213.
const std::array<Setting, 10>& settings();
const Setting* setting_by_combo(int combo);

// The entry shown for the stored byte; none when the value matches no entry.
std::optional<int> setting_index(const Blok& b, const Setting& s);
// The entry's text, or empty when no entry is shown.
std::string setting_text(const Blok& b, const Setting& s);
// Writes entry i (0..entries-1) into the setting's bits.
void store_setting(Blok& b, const Setting& s, int i);

// Two decimal digits in one byte, tens in the high nibble. Nibbles above 9 count with their value.
constexpr std::uint8_t to_bcd(int v) { return static_cast<std::uint8_t>((v / 10) << 4 | (v % 10)); }
constexpr int from_bcd(std::uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }

}  // namespace tirel
