#include "blok/window_view.h"

#include "blok/bands.h"
#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/settings.h"
#include "blok/subtone.h"
#include "blok/texts.h"

namespace tirel {

using layout::ChannelFlag;

std::string channel_number_text(int n) { return (n < 10 ? " " : "") + std::to_string(n); }

void refresh_view(WindowView& view, const Blok& b, std::string_view sep) {
  using blok_text::kNarrowText, blok_text::kOffText, blok_text::kOnText, blok_text::kWideText;
  for (int n = 1; n <= kChannelCount; ++n) {
    ChannelRow& row = view.rows[static_cast<std::size_t>(n - 1)];
    const bool on = channel_flag(b, n, ChannelFlag::on);
    row.off_ticked = !on;
    row.inhibit_enabled = on;
    if (!on) {
      row.cells.fill({});
      continue;
    }
    row.cells[0] = blok_to_frq_str(b, n, Dir::rx);
    row.cells[1] = blok_to_stone_str(b, n, Dir::rx, sep);
    const bool tx = channel_flag(b, n, ChannelFlag::tx_enabled);
    row.inhibit_ticked = !tx;
    row.cells[2] = tx ? blok_to_frq_str(b, n, Dir::tx) : "";
    row.cells[3] = tx ? blok_to_stone_str(b, n, Dir::tx, sep) : "";
    row.cells[7] = tx ? (channel_flag(b, n, ChannelFlag::busy_lock) ? kOnText : kOffText) : "";
    row.cells[4] = channel_flag(b, n, ChannelFlag::shift) ? kOnText : kOffText;
    row.cells[5] = channel_flag(b, n, ChannelFlag::narrow) ? kNarrowText : kWideText;
    row.cells[6] = channel_flag(b, n, ChannelFlag::scan_skip) ? kOffText : kOnText;
  }
  for (std::size_t k = 0; k < settings().size(); ++k) view.setting_index[k] = setting_index(b, settings()[k]);
}

void select_band(WindowView& view, int band_code) {
  if (band_code >= 0 && band_code < kBandCount) view.band_index = band_code;
}

std::string band_text(const WindowView& view) {
  if (view.band_index < 0 || view.band_index >= kBandCount) return {};
  return kBands[static_cast<std::size_t>(view.band_index)].text;
}

std::string setting_entry_text(const WindowView& view, int k) {
  const auto& index = view.setting_index[static_cast<std::size_t>(k)];
  if (!index) return {};
  return settings()[static_cast<std::size_t>(k)].entries[static_cast<std::size_t>(*index)];
}

WindowView view_after_open(const Blok& b, std::string_view sep) {
  WindowView view;
  view.band_index = kStartupBand;
  refresh_view(view, new_blok(kStartupBand), sep);
  select_band(view, band_code(b));
  refresh_view(view, b, sep);
  return view;
}

}  // namespace tirel
