// The channel page of the main window as the user works it: clicks on the table, the two
// columns of check boxes, the entry dialogs and the modified flag.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "modal.h"
#include "scripted_prompter.h"
#include "table_clicks.h"
#include "ui/main_window.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"

namespace tirel {
namespace {

using layout::ChannelFlag;
using test::ScriptedPrompter;
using test::when_modal;

class ChannelPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    w = std::make_unique<TForm1>(folder.path());
    w->create_dialogs();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    grid = w->StringGrid101;
  }
  QString cell(int n, int col) { return grid->item(n - 1, col)->text(); }
  void click(int n, int col) { test::click_cell(grid, n, col); }
  template <class Dialog>
  void click_and_answer(int n, int col, std::function<void(Dialog*)> answer) {
    test::click_cell_and_answer<Dialog>(grid, n, col, std::move(answer));
  }
  void click_box(QCheckBox* box) { test::click_check_box(box); }

  ScriptedPrompter prompts;
  QTemporaryDir folder;
  std::unique_ptr<TForm1> w;
  QTableWidget* grid = nullptr;
};

TEST_F(ChannelPage, FlagColumnsToggleInEveryChannelAndMarkTheSetAsEdited) {
  const struct {
    int col;
    const char* first;
    const char* second;
  } cases[] = {{5, "   Включен", "  Выключен"}, {6, "  12,5 кГц", "   25 кГц"},
               {7, "  Выключен", "   Включен"}, {8, "   Включен", "  Выключен"}};
  for (int n = 1; n <= kChannelCount; ++n)
    for (const auto& c : cases) {
      w->set_modified(false);
      click(n, c.col);
      EXPECT_EQ(cell(n, c.col), QString::fromUtf8(c.first)) << n << " " << c.col;
      EXPECT_TRUE(w->modified());
      click(n, c.col);
      EXPECT_EQ(cell(n, c.col), QString::fromUtf8(c.second));
    }
  EXPECT_EQ(w->blok(), new_blok(1));
}

TEST_F(ChannelPage, ADoubleClickTogglesTheWidthOnce) {
  const QPoint p = grid->viewport()->mapTo(w.get(), grid->visualItemRect(grid->item(2, 6)).center());
  QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, p);
  QCoreApplication::processEvents();
  EXPECT_EQ(cell(3, 6), "  12,5 кГц");
}

TEST_F(ChannelPage, TheNumberColumnAndKeyboardMovesChangeNothing) {
  for (int n = 1; n <= kChannelCount; ++n) click(n, 0);
  EXPECT_FALSE(w->modified());
  grid->setFocus();
  grid->setCurrentCell(0, 4);
  QTest::keyClick(grid, Qt::Key_Right);  // onto the frequency shift
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Right);
  QCoreApplication::processEvents();
  EXPECT_EQ(grid->currentColumn(), 6);
  EXPECT_FALSE(w->modified());
  EXPECT_EQ(w->blok(), new_blok(1));
}

TEST_F(ChannelPage, FrequencyEntryShowsInTheTableAndAnEmptyOneStillMarksTheEdit) {
  QString caption;
  click_and_answer<TForm3>(4, 1, [&](TForm3* f) {
    caption = f->windowTitle();
    QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
  });
  EXPECT_TRUE(w->modified());
  EXPECT_EQ(caption, "Частота приема (МГц)");
  EXPECT_EQ(w->blok(), new_blok(1));

  click_and_answer<TForm3>(4, 3, [&](TForm3* f) {
    caption = f->windowTitle();
    QTest::keyClicks(f->AdvEdit1, "146.0125");
    QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
  });
  EXPECT_EQ(caption, "Частота передачи (МГц)");
  EXPECT_EQ(cell(4, 3), "  146,012500");
  EXPECT_EQ(cell(4, 1), "  150,000000");
  // Right after start-up band 1 accepts 146..174 MHz only.
  click_and_answer<TForm3>(4, 1, [&](TForm3* f) {
    QTest::keyClicks(f->AdvEdit1, "140");
    QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
  });
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Введенная частота вне диапазона!");
  EXPECT_EQ(cell(4, 1), "  150,000000");
}

TEST_F(ChannelPage, SubToneEntryShowsInTheTable) {
  const QString sep = QLocale().decimalPoint();
  click_and_answer<TForm4>(9, 2, [](TForm4* f) {
    f->RadioGroup1Items->button(0)->click();
    f->ComboBox1->setCurrentIndex(f->ComboBox1->findText("123,0"));
    f->Button1->click();
  });
  EXPECT_EQ(cell(9, 2), "  CTC 123" + sep + "0");
  click_and_answer<TForm4>(9, 4, [](TForm4* f) {
    f->RadioGroup1Items->button(1)->click();
    f->ComboBox2->setCurrentIndex(f->ComboBox2->findText("754"));
    f->CheckBox1->setChecked(true);
    f->Button1->click();
  });
  EXPECT_EQ(cell(9, 4), "  -DCS 754");
  // Reopened, the dialog offers what the channel holds; "Да" keeps it.
  const Blok before = w->blok();
  QString offered;
  click_and_answer<TForm4>(9, 2, [&](TForm4* f) {
    offered = f->ComboBox1->currentText();
    f->Button1->click();
  });
  EXPECT_EQ(offered, "123,0");
  EXPECT_EQ(w->blok(), before);
}

TEST_F(ChannelPage, AChannelSwitchedOffAndOnComesBackWithItsValues) {
  click(5, 6);  // something of its own
  const Blok on = w->blok();
  std::array<QString, 9> shown;
  for (int c = 1; c <= 8; ++c) shown[c] = cell(5, c);

  w->set_modified(false);
  click_box(w->channel_off_box(5));
  EXPECT_TRUE(w->modified()) << "the box took the focus from the mouse";
  EXPECT_TRUE(w->channel_off_box(5)->isChecked());
  EXPECT_FALSE(w->tx_inhibit_box(5)->isEnabled());
  for (int c = 1; c <= 8; ++c) EXPECT_TRUE(cell(5, c).isEmpty()) << c;
  const Blok off = w->blok();
  for (int c = 5; c <= 8; ++c) {
    w->set_modified(false);
    click(5, c);
    EXPECT_TRUE(w->modified());
  }
  for (int c = 1; c <= 4; ++c) click(5, c);  // no dialog may open for a channel that is off
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(w->blok(), off);

  click_box(w->channel_off_box(5));
  EXPECT_EQ(w->blok(), on);
  EXPECT_TRUE(w->tx_inhibit_box(5)->isEnabled());
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(cell(5, c), shown[c]) << c;
}

TEST_F(ChannelPage, AnInhibitedTransmitterIgnoresItsColumnsAndIsReleasedWhole) {
  for (int n = 1; n <= kChannelCount; ++n) {
    const Blok enabled = w->blok();
    click_box(w->tx_inhibit_box(n));
    EXPECT_FALSE(channel_flag(w->blok(), n, ChannelFlag::tx_enabled));
    for (int c : {3, 4, 8}) EXPECT_TRUE(cell(n, c).isEmpty()) << n << " " << c;
    EXPECT_EQ(cell(n, 1), "  150,000000");
    const Blok inhibited = w->blok();
    for (int c : {3, 4, 8}) click(n, c);
    EXPECT_EQ(w->blok(), inhibited);
    click(n, 7);
    EXPECT_EQ(cell(n, 7), "  Выключен");
    click(n, 7);
    click_box(w->tx_inhibit_box(n));
    EXPECT_EQ(w->blok(), enabled);
    EXPECT_EQ(cell(n, 8), "  Выключен");
  }
}

TEST_F(ChannelPage, FocusOnABoxMarksTheEditButARefreshNeverDoes) {
  w->channel_off_box(1)->setFocus();
  w->set_modified(false);
  QTest::keyClick(w->channel_off_box(1), Qt::Key_Tab);
  EXPECT_TRUE(w->channel_off_box(2)->hasFocus());
  EXPECT_TRUE(w->modified());
  EXPECT_EQ(w->blok(), new_blok(1));

  // The program changes the blok and redraws: the boxes follow, nothing is written back.
  w->set_modified(false);
  Blok& b = w->blok();
  set_channel_flag(b, 7, ChannelFlag::on, false);
  set_channel_flag(b, 8, ChannelFlag::tx_enabled, false);
  const Blok before = b;
  w->print_wind_blok();
  EXPECT_TRUE(w->channel_off_box(7)->isChecked());
  EXPECT_TRUE(w->tx_inhibit_box(8)->isChecked());
  set_channel_flag(b, 7, ChannelFlag::on, true);
  Blok expected = b;
  w->print_wind_blok();
  EXPECT_FALSE(w->channel_off_box(7)->isChecked());
  EXPECT_EQ(w->blok(), expected);
  EXPECT_NE(expected, before);
  EXPECT_FALSE(w->modified());
}

TEST_F(ChannelPage, TheSpaceKeyOnABoxSwitchesTheChannel) {
  w->channel_off_box(12)->setFocus();
  QTest::keyClick(w->channel_off_box(12), Qt::Key_Space);
  QCoreApplication::processEvents();
  EXPECT_FALSE(channel_flag(w->blok(), 12, ChannelFlag::on));
  EXPECT_TRUE(cell(12, 1).isEmpty());
}

}  // namespace
}  // namespace tirel
