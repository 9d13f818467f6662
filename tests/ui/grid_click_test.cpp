// Which mouse and key actions on the channel table count as a click on a cell.
#include <gtest/gtest.h>

#include <QTableWidget>
#include <QTest>
#include <QWindow>

#include "ui/grid_click.h"

namespace tirel {
namespace {

class GridClick : public ::testing::Test {
 protected:
  void SetUp() override {
    table.setRowCount(16);
    table.setColumnCount(9);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < 16; ++r)
      for (int c = 0; c < 9; ++c) {
        auto* item = new QTableWidgetItem(QString("%1/%2").arg(r).arg(c));
        if (c == 0) item->setFlags(Qt::ItemIsEnabled);  // the channel number: not selectable
        table.setItem(r, c, item);
      }
    table.resize(700, 400);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    table.setCurrentCell(0, 1);
  }
  QPoint at(int r, int c) { return table.visualItemRect(table.item(r, c)).center(); }
  void click(int r, int c, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(table.viewport(), b, {}, at(r, c));
    settle();
  }
  static void settle() { QCoreApplication::processEvents(); }
  using Clicks = std::vector<std::pair<int, int>>;

  QTableWidget table;
  Clicks clicks;
  GridClickFilter filter{&table, [this](int r, int c) { clicks.emplace_back(r, c); }};
};

TEST_F(GridClick, EverySingleClickOnColumnsOneToEightRunsOnceWhenTheButtonIsReleased) {
  for (int r = 0; r < 16; ++r)
    for (int c = 1; c <= 8; ++c) {
      clicks.clear();
      QTest::mousePress(table.viewport(), Qt::LeftButton, {}, at(r, c));
      settle();
      EXPECT_TRUE(clicks.empty()) << "ran on press " << r << "," << c;
      QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, at(r, c));
      settle();
      EXPECT_EQ(clicks, (Clicks{{r, c}}));
    }
}

TEST_F(GridClick, TheSelectedCellCountsAgainOnEveryClick) {
  for (int i = 0; i < 3; ++i) click(4, 6);
  EXPECT_EQ(clicks, (Clicks{{4, 6}, {4, 6}, {4, 6}}));
}

TEST_F(GridClick, TheChannelNumberColumnNeverCounts) {
  for (int r = 0; r < 16; ++r) click(r, 0);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(GridClick, ADoubleClickCountsOnce) {
  // As the window system delivers it: press, release, press, release in quick succession.
  QWindow* w = table.windowHandle();
  const QPoint p = table.viewport()->mapTo(&table, at(2, 6));
  QTest::mouseDClick(w, Qt::LeftButton, {}, p);
  settle();
  EXPECT_EQ(clicks, (Clicks{{2, 6}}));
  // And as a widget sees it: a click, then the double-click press and its release.
  clicks.clear();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at(3, 5));
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at(3, 5));
  QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, at(3, 5));
  settle();
  EXPECT_EQ(clicks, (Clicks{{3, 5}}));
}

TEST_F(GridClick, OtherButtonsDoNotCount) {
  click(1, 5, Qt::RightButton);
  click(1, 5, Qt::MiddleButton);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(GridClick, KeyboardMovesNeverCountButEnterAndSpaceActOnTheSelectedCell) {
  table.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
  table.setFocus();
  table.setCurrentCell(0, 4);
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_Home,
                    Qt::Key_End, Qt::Key_Up, Qt::Key_Left})
    QTest::keyClick(&table, k);
  settle();
  EXPECT_TRUE(clicks.empty());
  const int r = table.currentRow(), c = table.currentColumn();
  ASSERT_GE(c, 1);
  QTest::keyClick(&table, Qt::Key_Return);
  QTest::keyClick(&table, Qt::Key_Space);
  settle();
  EXPECT_EQ(clicks, (Clicks{{r, c}, {r, c}}));
}

TEST_F(GridClick, ADragCountsOnceForTheCellWhereTheSelectionEnds) {
  QTest::mousePress(table.viewport(), Qt::LeftButton, {}, at(5, 2));
  QTest::mouseMove(table.viewport(), at(5, 3));
  QTest::mouseMove(table.viewport(), at(6, 3));
  QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, at(6, 3));
  settle();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(table.currentRow(), table.currentColumn()));
}

}  // namespace
}  // namespace tirel
