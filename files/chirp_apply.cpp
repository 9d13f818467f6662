// Putting chosen rows of a CHIRP list into channels, and how a row is shown.
#include <algorithm>

#include "blok/frequency.h"
#include "blok/layout.h"
#include "files/chirp_csv.h"
#include "files/texts.h"

namespace tirel::chirp {

using layout::ChannelFlag;

Applied apply_rows(const Blok& base, const List& list, const std::vector<std::size_t>& chosen, int first_channel) {
  Applied a;
  if (chosen.empty()) {
    a.error = files_text::kChirpNoneChosen;
    return a;
  }
  if (first_channel < 1 || first_channel > kChannelCount ||
      static_cast<int>(chosen.size()) > channels_from(first_channel)) {
    a.error = files_text::chirp_too_many_chosen_text(chosen.size(), first_channel,
                                                     channels_from(first_channel < 1 ? 1 : first_channel));
    return a;
  }
  const auto limits = band_limits(band_code(base));
  Blok b = base;
  int n = first_channel;
  for (const std::size_t i : chosen) {
    if (i >= list.rows.size() || !list.rows[i].importable() || !limits) {
      a.error = files_text::kChirpBadChoice;
      return a;
    }
    const Row& r = list.rows[i];
    // Stored exactly, in the steps the entry dialog prefers; the row was checked, so none can refuse.
    if (!store_exact_frq(b, n, Dir::rx, r.rx_hz) || !store_exact_frq(b, n, Dir::tx, r.tx_hz) ||
        !store_tone(b, n, Dir::rx, r.rx_tone).ok || !store_tone(b, n, Dir::tx, r.tx_tone).ok) {
      a.error = files_text::chirp_row_refused_text(r.line);
      return a;
    }
    set_channel_flag(b, n, ChannelFlag::on, true);
    set_channel_flag(b, n, ChannelFlag::tx_enabled, !r.tx_off);
    set_channel_flag(b, n, ChannelFlag::narrow, r.narrow);
    set_channel_flag(b, n, ChannelFlag::scan_skip, r.scan_skip);
    set_channel_flag(b, n, ChannelFlag::shift, r.shift);
    set_channel_flag(b, n, ChannelFlag::busy_lock, r.busy_lock);
    ++n;
  }
  for (; n <= kChannelCount; ++n) set_channel_flag(b, n, ChannelFlag::on, false);
  a.ok = true;
  a.blok = b;
  return a;
}

std::string frequency_text(std::int64_t hz) {
  const std::string fraction = std::to_string(hz % 1000000);
  return std::to_string(hz / 1000000) + "." + std::string(6 - fraction.size(), '0') + fraction;
}

std::string tone_text(const ToneChoice& t) {
  switch (t.kind) {
    case ToneKind::off: return "-";
    case ToneKind::ctcss: {
      std::string s = "CTCSS " + t.ctcss_text;
      std::replace(s.begin(), s.end(), ',', '.');
      return s;
    }
    case ToneKind::dcs: return "DCS " + t.dcs_text + (t.inverted ? "I" : "N");
  }
  return {};
}

std::string row_summary(const Row& r) {
  return frequency_text(r.rx_hz) + " / " + (r.tx_off ? std::string(files_text::kChirpTxOff) : frequency_text(r.tx_hz)) +
         ", " + tone_text(r.rx_tone) + " / " + tone_text(r.tx_tone) + ", " + (r.narrow ? files_text::kChirpNarrow : files_text::kChirpWide);
}

}  // namespace tirel::chirp
