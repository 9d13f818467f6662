// Every text the windows show is read whole: nothing clipped by a cell, a frame or a panel,
// whatever face stands in for the one the windows were laid out for.
#include "qstring_print.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "link/programmer_status.h"
#include "link/texts.h"
#include "link/programmers.h"
#include "ui/o_progr.h"
#include "ui/progress.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

using layout::ChannelFlag;

class TextsFit : public WindowTest {
 protected:
  // Names every text in `top` that its widget cuts off.
  static QStringList clipped_texts(QWidget* top) {
    QStringList clipped;
    for (QWidget* x : top->findChildren<QWidget*>()) {
      const QFontMetrics fm(x->font());
      const QStyle* st = x->style();
      if (auto* label = qobject_cast<QLabel*>(x); label && !label->text().isEmpty() && label->pixmap().isNull()) {
        if (fm.horizontalAdvance(label->text()) > label->contentsRect().width()) clipped << label->text();
      } else if (auto* box = qobject_cast<QCheckBox*>(x); box && !box->text().isEmpty()) {
        const int indicator = st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                              st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
        if (indicator + fm.horizontalAdvance(box->text()) > box->width()) clipped << box->text();
      } else if (auto* radio = qobject_cast<QRadioButton*>(x)) {
        const int indicator = st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                              st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
        if (indicator + fm.horizontalAdvance(radio->text()) > radio->width()) clipped << radio->text();
      } else if (auto* list = qobject_cast<QComboBox*>(x)) {
        // The closed list shows the entry beside its arrow button.
        const int arrow = st->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) + 8;
        for (int i = 0; i < list->count(); ++i)
          if (fm.horizontalAdvance(list->itemText(i)) + arrow > list->width()) clipped << list->itemText(i);
      } else if (qobject_cast<QToolButton*>(x)) {
        continue;  // the tool bar's buttons show pictures; their texts are tool tips
      } else if (auto* button = qobject_cast<QAbstractButton*>(x); button && !button->text().isEmpty()) {
        if (fm.horizontalAdvance(button->text()) + 4 > button->width()) clipped << button->text();
      }
    }
    return clipped;
  }
};

TEST_F(TextsFit, EveryTextTheTableCanShowFitsItsCellWithItsLeadingBlanks) {
  TForm1& w = open_window();
  w.show();
  // The longest texts of each column: the top of the 438-470 MHz band, the longest sub-tones,
  // and each flag both ways.
  w.select_band(3);
  Blok& b = w.blok();
  b = new_blok(3);
  for (int n : {1, 2}) {
    ASSERT_EQ(store_frq(b, n, Dir::rx, 470000000, w.band_limits()).what, FrqStore::stored);
    ASSERT_EQ(store_frq(b, n, Dir::tx, 469987500, w.band_limits()).what, FrqStore::stored);
  }
  ASSERT_TRUE(store_tone(b, 1, Dir::rx, {ToneKind::ctcss, "254,1", "023", false}).ok);
  ASSERT_TRUE(store_tone(b, 1, Dir::tx, {ToneKind::dcs, "67,0", "754", true}).ok);
  ASSERT_TRUE(store_tone(b, 2, Dir::rx, {ToneKind::dcs, "67,0", "754", false}).ok);
  ASSERT_TRUE(store_tone(b, 2, Dir::tx, {ToneKind::ctcss, "186,2", "023", false}).ok);
  for (ChannelFlag f : {ChannelFlag::narrow, ChannelFlag::shift, ChannelFlag::busy_lock, ChannelFlag::scan_skip}) {
    set_channel_flag(b, 1, f, true);
    set_channel_flag(b, 2, f, false);
  }
  w.print_wind_blok();

  QTableWidget* t = w.StringGrid101;
  EXPECT_TRUE(t->font().bold());
  EXPECT_EQ(t->item(0, 8)->text(), QString::fromUtf8("   Включен"));
  EXPECT_EQ(t->item(1, 8)->text(), QString::fromUtf8("  Выключен"));
  EXPECT_TRUE(t->item(0, 2)->text().startsWith(QString::fromUtf8("  CTC 254")));
  EXPECT_EQ(t->item(0, 4)->text(), QString::fromUtf8("  -DCS 754"));
  EXPECT_EQ(t->item(0, 1)->text(), QString::fromUtf8("  470,000000"));

  const int widths[9] = {18, 75, 64, 75, 64, 68, 58, 68, 68};
  const QFontMetrics fm(t->font());
  const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
  for (int r = 0; r < 16; ++r) {
    for (int c = 0; c < 9; ++c) {
      EXPECT_EQ(t->columnWidth(c), widths[c] + 1) << c;
      const QString text = t->item(r, c)->text();
      EXPECT_LE(fm.horizontalAdvance(text) + 2 * margin, widths[c]) << "row " << r << " column " << c << ": "
                                                                     << text.toStdString();
    }
    EXPECT_LE(fm.height(), t->rowHeight(r) - 1);
  }
}

TEST_F(TextsFit, ProgrammerPanelShowsTheMissingCableTextWhole) {
  TForm1& w = open_window();
  w.show();
  w.programmer_mode = 0;
  w.status_blink = 1;
  w.Timer1Timer();
  ASSERT_EQ(w.programmer_status(), QString::fromUtf8(link_text::kUsbMissingText));
  QLabel* panel = nullptr;
  for (QLabel* l : w.StatusBar1->findChildren<QLabel*>())
    if (l->text() == w.programmer_status()) panel = l;
  ASSERT_NE(panel, nullptr);
  EXPECT_GE(panel->width(), 120);
  EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
  // The panel keeps its width as the text blinks, so the file name beside it stays put.
  const int width = panel->width();
  w.Timer1Timer();
  EXPECT_TRUE(w.programmer_status().isEmpty());
  EXPECT_EQ(panel->width(), width);
}

TEST_F(TextsFit, WindowPagesAndDialogsShowTheirTextsWhole) {
  TForm1& w = open_window();
  w.create_dialogs();
  w.show();
  EXPECT_EQ(clipped_texts(w.PageControl1->widget(0)), QStringList{});
  w.N16Click();
  EXPECT_EQ(clipped_texts(w.PageControl1->widget(1)), QStringList{});
  EXPECT_EQ(clipped_texts(w.centralWidget()), QStringList{});

  w.Form11->show();  // the box fills its lines as it opens
  EXPECT_EQ(clipped_texts(w.Form11), QStringList{});
  w.Form11->hide();
  EXPECT_EQ(clipped_texts(w.Form2), QStringList{});
  EXPECT_EQ(clipped_texts(w.Form3), QStringList{});
  EXPECT_EQ(clipped_texts(w.Form4), QStringList{});
  for (const tirel::Operation op : {tirel::Operation::read, tirel::Operation::write}) {
    w.Form10->begin(op, 56);
    w.Form10->advance(56, QStringLiteral("100%"));
    EXPECT_EQ(clipped_texts(w.Form10), QStringList{});
    w.Form10->hide();
  }
}

TEST_F(TextsFit, DialogsAndTheProgressWindowUseTheMainWindowsFace) {
  TForm1& w = open_window();
  w.create_dialogs();
  const QString face = QFontInfo(w.font()).family();
  for (QWidget* d : std::initializer_list<QWidget*>{w.Form11, w.Form10, w.Form2, w.Form3, w.Form4})
    EXPECT_EQ(QFontInfo(d->font()).family(), face) << d->metaObject()->className();
}

}  // namespace
}  // namespace tirel::test
