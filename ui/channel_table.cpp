#include "ui/channel_table.h"

#include "blok/layout.h"

namespace tirel {

using layout::ChannelFlag;

void table_click(Blok& b, std::uint8_t& modified, int row, int col, const ChannelTableActions& actions) {
  if (row < 0 || row >= kChannelCount || col < 1 || col > 8) return;
  const int n = row + 1;
  modified = 1;
  if (channel_flag(b, n, ChannelFlag::on)) {
    const bool tx = channel_flag(b, n, ChannelFlag::tx_enabled);
    switch (col) {
      case 1: actions.in_frq(n, Dir::rx); break;
      case 2: actions.in_tone(n, Dir::rx); break;
      case 3: if (tx) actions.in_frq(n, Dir::tx); break;
      case 4: if (tx) actions.in_tone(n, Dir::tx); break;
      case 5: toggle_channel_flag(b, n, ChannelFlag::shift); break;
      case 6: toggle_channel_flag(b, n, ChannelFlag::narrow); break;
      case 7: toggle_channel_flag(b, n, ChannelFlag::scan_skip); break;
      case 8: if (tx) toggle_channel_flag(b, n, ChannelFlag::busy_lock); break;
      default: break;
    }
  }
  actions.refresh();
}

void channel_off_box_changed(Blok& b, int n, bool ticked) { set_channel_flag(b, n, ChannelFlag::on, !ticked); }

void tx_inhibit_box_changed(Blok& b, int n, bool ticked) {
  set_channel_flag(b, n, ChannelFlag::tx_enabled, !ticked);
}

}  // namespace tirel
