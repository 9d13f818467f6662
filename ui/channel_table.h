#pragma once
// What a click on the channel table and a change of a channel's check boxes do to the blok.
#include <cstdint>
#include <functional>

#include "blok/blok.h"

namespace tirel {

// The main window's entries and refresh, as the table's click uses them.
struct ChannelTableActions {
  std::function<void(int n, Dir d)> in_frq;
  std::function<void(int n, Dir d)> in_tone;
  std::function<void()> refresh;  // redraws the whole window from the blok
};

// A click on table row `row` (0..15, channel row+1) and column `col` (1..8): sets the modified
// flag, then edits the channel when it is on (columns 3, 4 and 8 only when it may transmit),
// then refreshes. Column 0 holds the channel number and does nothing.
void table_click(Blok& b, std::uint8_t& modified, int row, int col, const ChannelTableActions& actions);

// The "Канал выключен" box of channel n now shows `ticked`: the channel-on flag follows.
void channel_off_box_changed(Blok& b, int n, bool ticked);
// The "Запрет передачи" box of channel n now shows `ticked`: the transmit-enabled flag follows.
void tx_inhibit_box_changed(Blok& b, int n, bool ticked);

}  // namespace tirel
