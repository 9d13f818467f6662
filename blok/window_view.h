#pragma once
// What the main window shows for a blok: the channel table's cells and boxes, the settings
// lists' selections and the band list. The window draws this; the parameter sheet prints it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "blok/blok.h"

namespace tirel {

// Column 0 of the table: " 1" .. " 9", "10" .. "16".
std::string channel_number_text(int n);

struct ChannelRow {
  std::array<std::string, 8> cells;  // table columns 1..8
  bool off_ticked = true;            // "Канал выключен"; all boxes start ticked
  bool inhibit_ticked = true;        // "Запрет передачи"
  bool inhibit_enabled = true;       // greyed while the channel is off
};

struct WindowView {
  std::array<ChannelRow, kChannelCount> rows;
  std::array<std::optional<int>, 10> setting_index;  // in the order of settings()
  int band_index = 1;                                // the band list's selection, -1 for none
};

// Redraws the view from the blok, as the window's refresh does. The transmit-inhibit box of
// a channel that is off keeps the tick it had, so the previous view matters.
void refresh_view(WindowView& view, const Blok& b, std::string_view decimal_sep);

// The band list follows a band code from a file or the radio only for codes 0..5.
void select_band(WindowView& view, int band_code);

std::string band_text(const WindowView& view);
std::string setting_entry_text(const WindowView& view, int k);  // k-th setting in settings() order

// The view right after start-up (default blok of band 1), then `b` opened from a file.
WindowView view_after_open(const Blok& b, std::string_view decimal_sep);

}  // namespace tirel
