// The channel table page: headings with leader lines, the table and the two columns of boxes.
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include "blok/texts.h"
#include "ui/grid_font.h"
#include "ui/main_window.h"

namespace {

namespace blok_text = tirel::blok_text;

// Content widths of columns 0..8; Qt counts the 1-pixel grid line inside the section, so each
// section is one pixel wider and the table is filled exactly, without scroll bars.
constexpr int kColumnWidths[9] = {18, 75, 64, 75, 64, 68, 58, 68, 68};
constexpr int kRowHeight = 17;
constexpr int kBoxTop = 80;
constexpr int kRowPitch = kRowHeight + 1;

struct Heading {
  const char* text;
  int left, top;            // the label
  int h_left, h_top;        // the 10-pixel horizontal stroke; h_left < 0 for none
  int v_left, v_top, v_len; // the vertical stroke down to the table or the boxes
};

constexpr Heading kHeadings[] = {
    {blok_text::kHeadChannelOff, 28, 8, 14, 14, 13, 14, 60},
    {blok_text::kHeadTxInhibit, 52, 24, 38, 30, 38, 30, 44},
    {blok_text::kHeadNumber, 62, 47, -1, 0, 65, 63, 12},
    {blok_text::kHeadRxFrq, 110, 40, 96, 46, 96, 47, 27},
    {blok_text::kHeadRxTone, 116, 56, 182, 63, 191, 63, 12},
    {blok_text::kHeadTxFrq, 252, 40, 238, 46, 238, 47, 27},
    {blok_text::kHeadTxTone, 257, 56, 322, 63, 331, 63, 12},
    {blok_text::kHeadShift, 406, 24, 391, 31, 391, 32, 43},
    {blok_text::kHeadWidth, 469, 40, 454, 47, 454, 48, 27},
    {blok_text::kHeadScan, 514, 56, 500, 62, 500, 63, 12},
    {blok_text::kHeadBusyLock, 405, 8, 597, 15, 606, 16, 59},
};

void stroke(QWidget* parent, int left, int top, int width, int height) {
  auto* line = new QFrame(parent);
  line->setGeometry(left, top, width, height);
  line->setAutoFillBackground(true);
  QPalette pal = line->palette();
  pal.setColor(QPalette::Window, Qt::black);
  line->setPalette(pal);
}

}  // namespace

QWidget* TForm1::build_channel_page() {
  auto* page = new QWidget(this);
  auto* panel = new QFrame(page);
  panel->setObjectName(QStringLiteral("Panel101"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(0, 0, 628, 370);

  for (const Heading& h : kHeadings) {
    auto* label = new QLabel(QString::fromUtf8(h.text), panel);
    label->adjustSize();
    label->move(h.left, h.top);
    if (h.h_left >= 0) stroke(panel, h.h_left, h.h_top, 10, 1);
    stroke(panel, h.v_left, h.v_top, 1, h.v_len);
  }

  StringGrid101 = new QTableWidget(16, 9, panel);
  StringGrid101->setObjectName(QStringLiteral("StringGrid101"));
  StringGrid101->setGeometry(54, 78, 571, 292);
  StringGrid101->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StringGrid101->setLineWidth(2);
  StringGrid101->horizontalHeader()->hide();
  StringGrid101->verticalHeader()->hide();
  StringGrid101->verticalHeader()->setMinimumSectionSize(1);
  StringGrid101->horizontalHeader()->setMinimumSectionSize(1);
  StringGrid101->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid101->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid101->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid101->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid101->setSelectionBehavior(QAbstractItemView::SelectItems);
  StringGrid101->setAutoScroll(false);
  StringGrid101->setTextElideMode(Qt::ElideNone);
  StringGrid101->setWordWrap(false);
  // The cell's text keeps the style's focus margin on either side.
  const int text_margin = 2 * (StringGrid101->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid101) + 1);
  std::array<int, tirel::kGridColumns> room{};
  for (int c = 0; c < 9; ++c) {
    StringGrid101->setColumnWidth(c, kColumnWidths[c] + 1);
    room[static_cast<std::size_t>(c)] = kColumnWidths[c] - text_margin;
  }
  StringGrid101->setFont(tirel::grid_font(font(), room));
  const QColor fixed_colour = palette().color(QPalette::Button);
  for (int r = 0; r < 16; ++r) {
    StringGrid101->setRowHeight(r, kRowPitch);
    for (int c = 0; c < 9; ++c) {
      auto* item = new QTableWidgetItem;
      item->setForeground(Qt::black);
      if (c == 0) {
        item->setText(QString::fromStdString(tirel::channel_number_text(r + 1)));
        item->setFlags(Qt::ItemIsEnabled);  // the fixed column: grey and never selected
        item->setBackground(fixed_colour);
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      StringGrid101->setItem(r, c, item);
    }
  }
  StringGrid101->setCurrentCell(0, 1);

  for (int n = 1; n <= tirel::kChannelCount; ++n) {
    const int top = kBoxTop + kRowPitch * (n - 1);
    auto* off = new QCheckBox(panel);
    off->setObjectName(QStringLiteral("CheckBox%1").arg(n));
    off->setGeometry(8, top, 17, 17);
    off->setChecked(true);
    auto* inhibit = new QCheckBox(panel);
    inhibit->setObjectName(QStringLiteral("CheckBox%1").arg(20 + n));
    inhibit->setGeometry(32, top, 17, 17);
    inhibit->setChecked(true);
    off_boxes_[static_cast<std::size_t>(n - 1)] = off;
    inhibit_boxes_[static_cast<std::size_t>(n - 1)] = inhibit;
  }
  // Tab order: the channel-off boxes down, the transmit-inhibit boxes up, then the table.
  QWidget* previous = off_boxes_[0];
  auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  for (int n = 2; n <= tirel::kChannelCount; ++n) chain(channel_off_box(n));
  for (int n = tirel::kChannelCount; n >= 1; --n) chain(tx_inhibit_box(n));
  chain(StringGrid101);
  return page;
}

void TForm1::refresh_channel_page() {
  const QSignalBlocker quiet_grid(StringGrid101);
  for (int n = 1; n <= tirel::kChannelCount; ++n) {
    const tirel::ChannelRow& row = view_.rows[static_cast<std::size_t>(n - 1)];
    for (int c = 1; c <= 8; ++c)
      StringGrid101->item(n - 1, c)->setText(QString::fromStdString(row.cells[static_cast<std::size_t>(c - 1)]));
    QCheckBox* off = channel_off_box(n);
    QCheckBox* inhibit = tx_inhibit_box(n);
    const QSignalBlocker quiet_off(off);
    const QSignalBlocker quiet_inhibit(inhibit);
    off->setChecked(row.off_ticked);
    inhibit->setChecked(row.inhibit_ticked);
    inhibit->setEnabled(row.inhibit_enabled);
  }
}

void TForm1::print_wind_blok() {
  const QString sep = QLocale().decimalPoint();
  tirel::refresh_view(view_, blok_, sep.toStdString());
  view_.band_index = ComboBox1->currentIndex();
  refresh_channel_page();
  refresh_settings_page();
}
