#include "ui/grid_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "blok/bands.h"
#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "blok/window_view.h"

namespace tirel {

namespace {

// Liberation Sans Narrow comes with fonts-liberation; Arial Narrow where the maker's fonts are.
constexpr const char* kNarrowFaces[] = {"Liberation Sans Narrow", "Arial Narrow"};
// MS Sans Serif 8 stands 13 pixels high; a narrow face at 12 pixels reads the same in a 17-pixel row.
constexpr int kPreferredPixels = 12;
constexpr int kSmallestPixels = 7;

void add_row(std::array<QStringList, kGridColumns>& texts, const ChannelRow& row) {
  for (int c = 1; c < kGridColumns; ++c)
    texts[static_cast<std::size_t>(c)] << QString::fromStdString(row.cells[static_cast<std::size_t>(c - 1)]);
}

bool fits(const QFont& font, const std::array<QStringList, kGridColumns>& texts,
          const std::array<int, kGridColumns>& room) {
  const QFontMetrics metrics(font);
  for (std::size_t c = 0; c < texts.size(); ++c)
    for (const QString& text : texts[c])
      if (metrics.horizontalAdvance(text) > room[c]) return false;
  return true;
}

}  // namespace

std::array<QStringList, kGridColumns> widest_cell_texts() {
  std::array<QStringList, kGridColumns> texts;
  for (int n = 1; n <= kChannelCount; ++n) texts[0] << QString::fromStdString(channel_number_text(n));

  // Channel 1 at the top of the highest band with a CTCSS tone and an inverted DCS code, every
  // flag set; channel 2 with a plain DCS code and no sub-tone, every flag clear.
  int top_band = 0;
  for (int i = 0; i < kBandCount; ++i)
    if (kBands[static_cast<std::size_t>(i)].limits.upper > kBands[static_cast<std::size_t>(top_band)].limits.upper)
      top_band = i;
  const BandLimits limits = kBands[static_cast<std::size_t>(top_band)].limits;
  Blok b = new_blok(top_band);
  for (Dir d : {Dir::rx, Dir::tx}) (void)store_frq(b, 1, d, limits.upper, limits);
  (void)store_tone(b, 1, Dir::rx, {ToneKind::ctcss, kCtcssTones.back(), kDcsCodes.front(), false});
  (void)store_tone(b, 1, Dir::tx, {ToneKind::dcs, kCtcssTones.front(), kDcsCodes.back(), true});
  (void)store_tone(b, 2, Dir::rx, {ToneKind::dcs, kCtcssTones.front(), kDcsCodes.back(), false});
  (void)store_tone(b, 2, Dir::tx, {ToneKind::off, kCtcssTones.front(), kDcsCodes.front(), false});
  using layout::ChannelFlag;
  for (ChannelFlag f : {ChannelFlag::narrow, ChannelFlag::shift, ChannelFlag::busy_lock, ChannelFlag::scan_skip}) {
    set_channel_flag(b, 1, f, true);
    set_channel_flag(b, 2, f, false);
  }
  WindowView view;
  refresh_view(view, b, ",");
  add_row(texts, view.rows[0]);
  add_row(texts, view.rows[1]);
  return texts;
}

QFont grid_font(const QFont& window_font, const std::array<int, kGridColumns>& room) {
  QFont font = window_font;
  for (const char* face : kNarrowFaces) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(face))) {
      font = QFont(QString::fromLatin1(face));
      font.setPixelSize(kPreferredPixels);
      break;
    }
  }
  font.setBold(true);
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  const auto texts = widest_cell_texts();
  while (!fits(font, texts, room) && font.pixelSize() > kSmallestPixels) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

}  // namespace tirel
