// What a click on the channel table and the channel's check boxes write into the blok.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <QVBoxLayout>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "blok/window_view.h"
#include "ui/box_focus.h"
#include "ui/channel_table.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

class TableClick : public ::testing::Test {
 protected:
  TableClick() {
    actions.in_frq = [this](int n, Dir d) { log.push_back(entry("frq", n, d)); };
    actions.in_tone = [this](int n, Dir d) { log.push_back(entry("tone", n, d)); };
    actions.refresh = [this] { log.push_back("refresh"); };
  }
  std::string entry(const char* what, int n, Dir d) {
    // The flag must already be set when an entry opens.
    return std::string(what) + " " + std::to_string(n) + (d == Dir::rx ? " rx" : " tx") +
           (modified ? "" : " unmodified");
  }
  void click(int row, int col) { table_click(b, modified, row, col, actions); }
  std::vector<std::string> log;
  ChannelTableActions actions;
  Blok b = new_blok(1);
  std::uint8_t modified = 0;
};

TEST_F(TableClick, EntryColumnsOpenTheRightEntryThenRefresh) {
  for (int n = 1; n <= kChannelCount; ++n) {
    const std::string ch = std::to_string(n);
    const struct {
      int col;
      std::string opened;
    } cases[] = {{1, "frq " + ch + " rx"}, {2, "tone " + ch + " rx"}, {3, "frq " + ch + " tx"}, {4, "tone " + ch + " tx"}};
    for (const auto& c : cases) {
      log.clear();
      modified = 0;
      click(n - 1, c.col);
      EXPECT_EQ(log, (std::vector<std::string>{c.opened, "refresh"}));
      EXPECT_EQ(modified, 1);
    }
  }
}

TEST_F(TableClick, FlagColumnsFlipTheirOwnFlagInEveryChannel) {
  // The flags byte of channel n is blok offset 24*(n-1)+18.
  const struct {
    int col;
    std::uint8_t mask;
  } cases[] = {{5, 0x02}, {6, 0x01}, {7, 0x10}, {8, 0x04}};
  for (int n = 1; n <= kChannelCount; ++n)
    for (const auto& c : cases) {
      const Blok before = b;
      click(n - 1, c.col);
      Blok expected = before;
      expected[static_cast<std::size_t>(24 * (n - 1) + 18)] ^= c.mask;
      ASSERT_EQ(b, expected) << "channel " << n << " column " << c.col;
      ASSERT_NE(b, before);
      click(n - 1, c.col);
      ASSERT_EQ(b, before) << "a second click must flip it back";
    }
}

TEST_F(TableClick, AChannelThatIsOffChangesNothingButTheModifiedFlagAndComesBackWhole) {
  for (int n = 1; n <= kChannelCount; ++n) {
    b = new_blok(1);
    toggle_channel_flag(b, n, ChannelFlag::narrow);  // something of its own to come back
    const Blok on = b;
    WindowView shown_on;
    refresh_view(shown_on, b, ",");
    channel_off_box_changed(b, n, true);
    EXPECT_EQ(b[static_cast<std::size_t>(24 * (n - 1) + 6)] & 0x08, 0) << "channel-on flag";
    const Blok off = b;
    for (int col = 1; col <= 8; ++col) {
      log.clear();
      modified = 0;
      click(n - 1, col);
      EXPECT_EQ(log, (std::vector<std::string>{"refresh"})) << col;
      EXPECT_EQ(modified, 1);
      EXPECT_EQ(b, off) << "channel " << n << " column " << col;
    }
    WindowView shown_off = shown_on;
    refresh_view(shown_off, b, ",");
    EXPECT_TRUE(shown_off.rows[n - 1].off_ticked);
    EXPECT_FALSE(shown_off.rows[n - 1].inhibit_enabled);
    channel_off_box_changed(b, n, false);
    EXPECT_EQ(b, on);
    refresh_view(shown_off, b, ",");
    EXPECT_EQ(shown_off.rows[n - 1].cells, shown_on.rows[n - 1].cells);
  }
}

TEST_F(TableClick, AnInhibitedTransmitterIgnoresItsColumnsAndComesBackWhole) {
  for (int n = 1; n <= kChannelCount; ++n) {
    b = new_blok(1);
    toggle_channel_flag(b, n, ChannelFlag::busy_lock);
    const Blok enabled = b;
    tx_inhibit_box_changed(b, n, true);
    EXPECT_EQ(b[static_cast<std::size_t>(24 * (n - 1) + 11)] & 0x08, 0) << "transmit-enabled flag";
    const Blok inhibited = b;
    for (int col : {3, 4, 8}) {
      log.clear();
      click(n - 1, col);
      EXPECT_EQ(log, (std::vector<std::string>{"refresh"})) << col;
      EXPECT_EQ(b, inhibited);
    }
    log.clear();
    click(n - 1, 1);
    click(n - 1, 2);
    const std::string ch = std::to_string(n);
    EXPECT_EQ(log, (std::vector<std::string>{"frq " + ch + " rx", "refresh", "tone " + ch + " rx", "refresh"}));
    click(n - 1, 5);
    EXPECT_EQ(b[static_cast<std::size_t>(24 * (n - 1) + 18)] & 0x02, 0x02) << "frequency-shift flag";
    click(n - 1, 5);
    tx_inhibit_box_changed(b, n, false);
    EXPECT_EQ(b, enabled);
  }
}

TEST_F(TableClick, TheChannelNumberColumnDoesNothingAtAll) {
  const Blok before = b;
  for (int row = 0; row < kChannelCount; ++row) click(row, 0);
  click(-1, 3);
  click(16, 3);
  click(0, 9);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(modified, 0);
  EXPECT_EQ(b, before);
}

TEST_F(TableClick, CheckBoxesWriteOnlyTheirOwnBit) {
  for (int n = 1; n <= kChannelCount; ++n) {
    const Blok before = b;
    channel_off_box_changed(b, n, true);
    tx_inhibit_box_changed(b, n, true);
    for (int i = 0; i < kBlokSize; ++i) {
      const bool own = i == 24 * (n - 1) + 6 || i == 24 * (n - 1) + 11;  // receive and transmit top bytes
      ASSERT_EQ(b[i], own ? (before[i] & ~0x08) : before[i]) << n << " " << i;
    }
    channel_off_box_changed(b, n, true);  // the same tick again stores the same value
    channel_off_box_changed(b, n, false);
    tx_inhibit_box_changed(b, n, false);
    ASSERT_EQ(b, before);
  }
}

TEST(BoxFocus, OnlyTheUsersMouseOrTabMarksTheEdit) {
  QWidget page;
  auto* layout = new QVBoxLayout(&page);
  auto* first = new QCheckBox(&page);
  auto* second = new QCheckBox(&page);
  layout->addWidget(first);
  layout->addWidget(second);
  int entered = 0;
  new BoxFocusFilter(first, [&] { ++entered; });
  new BoxFocusFilter(second, [&] { ++entered; });
  page.show();
  page.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&page));

  first->setFocus();  // by the program
  first->setChecked(true);
  second->setChecked(true);
  EXPECT_EQ(entered, 0);
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(second->hasFocus());
  EXPECT_EQ(entered, 1);
  QTest::keyClick(second, Qt::Key_Backtab);
  EXPECT_EQ(entered, 2);
  QTest::mouseClick(second, Qt::LeftButton);
  EXPECT_EQ(entered, 3);
  EXPECT_FALSE(second->isChecked());
  QTest::mouseClick(second, Qt::LeftButton);  // already focused: no second entry
  EXPECT_EQ(entered, 3);
}

}  // namespace
}  // namespace tirel
