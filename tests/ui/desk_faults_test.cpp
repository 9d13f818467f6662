// Faults seen at a real desk: the wheel over the settings lists, Tab stops on the settings page,
// windows that would not fit or could not be reached on the screen, and what the close-time
// warning says.
#include <QDialog>
#include <QGroupBox>
#include <QScreen>
#include <QWheelEvent>
#include <filesystem>

#include "files/atomic_write.h"
#include "prompt/window_place.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

class DeskFaults : public WindowTest {
 protected:
  TForm1& shown_settings_page() {
    TForm1& w = open_window();
    w.show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    w.N16Click();
    return w;
  }

  static void wheel_down(QWidget* list) {
    const QPointF at = QPointF(list->rect().center());
    QWheelEvent e(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &e);
  }
};

TEST_F(DeskFaults, WheelOverAListWithoutFocusChangesNothing) {
  TForm1& w = shown_settings_page();
  const Blok before = w.blok();
  for (int combo : {201, 202, 203, 204, 205, 209, 210, 211, 212, 213}) {
    QComboBox* list = w.setting_list(combo);
    const int shown = list->currentIndex();
    wheel_down(list);
    EXPECT_EQ(list->currentIndex(), shown) << "ComboBox" << combo;
    EXPECT_FALSE(list->hasFocus()) << "ComboBox" << combo;
  }
  EXPECT_EQ(blok_bytes(w.blok()), blok_bytes(before));
  EXPECT_FALSE(w.modified());

  // A list the user has clicked into follows the wheel, into the blok.
  QComboBox* squelch = w.setting_list(203);
  squelch->setFocus(Qt::MouseFocusReason);
  const int shown = squelch->currentIndex();
  wheel_down(squelch);
  EXPECT_EQ(squelch->currentIndex(), shown + 1);
  EXPECT_NE(blok_bytes(w.blok()), blok_bytes(before));
  EXPECT_TRUE(w.modified());
}

TEST_F(DeskFaults, TabOnTheSettingsPageGoesFromListToListNotThroughTheFrames) {
  TForm1& w = shown_settings_page();
  EXPECT_TRUE(w.GroupBox201->hasFocus()) << "the page opens with the first frame holding the focus";
  QStringList visited;
  for (int i = 0; i < 11; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited.mid(0, 10), QStringList({"ComboBox201", "ComboBox202", "ComboBox203", "ComboBox204", "ComboBox205",
                                             "ComboBox209", "ComboBox210", "ComboBox211", "ComboBox212",
                                             "ComboBox213"}));
  EXPECT_FALSE(visited.contains("GroupBox201"));
  EXPECT_FALSE(visited.contains("GroupBox202"));
}

// Two screens side by side, each with a 30-pixel panel at its bottom; a frame of 640x520 with
// a 24-pixel title bar.
const QList<QRect> kTwoScreens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 994)};
const QSize kFrame(640, 520);

TEST(WindowPlace, PositionsWithTheTitleBarInReachAreKept) {
  EXPECT_EQ(reachable_frame_position({10, 10}, kFrame, 24, kTwoScreens), QPoint(10, 10));
  EXPECT_EQ(reachable_frame_position({-5, 10}, kFrame, 24, kTwoScreens), QPoint(-5, 10)) << "left edge off, as stored";
  EXPECT_EQ(reachable_frame_position({2500, 300}, kFrame, 24, kTwoScreens), QPoint(2500, 300)) << "second screen";
  EXPECT_EQ(reachable_frame_position({1800, 900}, kFrame, 24, kTwoScreens), QPoint(1800, 900))
      << "partly below the panel, the title bar still on the screen";
}

TEST(WindowPlace, UnreachablePositionsComeWhollyOntoTheNearestScreen) {
  EXPECT_EQ(reachable_frame_position({9, -10}, kFrame, 24, kTwoScreens), QPoint(9, 0)) << "title bar above the top";
  EXPECT_EQ(reachable_frame_position({4000, 300}, kFrame, 24, kTwoScreens), QPoint(2560, 300))
      << "a monitor taken away on the right";
  EXPECT_EQ(reachable_frame_position({300, 5000}, kFrame, 24, kTwoScreens), QPoint(300, 530)) << "below everything";
  EXPECT_EQ(reachable_frame_position({-2000, -2000}, kFrame, 24, kTwoScreens), QPoint(0, 0));
  EXPECT_EQ(reachable_frame_position({2000, 1020}, kFrame, 24, kTwoScreens), QPoint(2000, 474))
      << "title bar under the second screen's panel";
  EXPECT_EQ(reachable_frame_position({-630, 10}, kFrame, 24, kTwoScreens), QPoint(0, 10))
      << "only 10 pixels of the title bar left to grab";
}

TEST_F(DeskFaults, PreviewSizedWindowFitsTheAvailableAreaWithItsFrame) {
  TForm1& w = open_window();
  w.show();
  QDialog preview(&w);
  fit_on_screen(&preview, QSize(900, 1000));
  const QRect area = w.screen()->availableGeometry();
  const QMargins frame = expected_frame_margins(&preview);
  const QRect outer = QRect(preview.pos(), preview.size().grownBy(frame));
  EXPECT_TRUE(area.contains(outer)) << "frame " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                    << outer.height() << " on " << area.width() << "x" << area.height();
  EXPECT_EQ(preview.height() + frame.top() + frame.bottom(), std::min(1000 + frame.top() + frame.bottom(), area.height()));
}

TEST_F(DeskFaults, CloseTimeWarningSaysWhatWasNotSaved) {
  TForm1& w = open_window();
  // config.ini a folder: nothing can replace it.
  ASSERT_TRUE(QFile::remove(path("config.ini")));
  ASSERT_TRUE(QDir().mkdir(path("config.ini")));
  w.close();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Внимание"));
  EXPECT_TRUE(prompter.messages[0].text.endsWith(QString::fromUtf8("\r\rВыбор программатора и положение окна не сохранены.")))
      << prompter.messages[0].text.toStdString();
  EXPECT_FALSE(prompter.messages[0].text.contains(QString::fromUtf8("Программа работает")));
}

TEST(SaveErrors, APlaceThatMakesNoFilesIsNotCalledAMissingFolder) {
  const FileResult proc = write_file_atomically("/proc/x.t12", "x");
  EXPECT_FALSE(proc.ok);
  EXPECT_EQ(proc.error, "В этой папке нельзя создать файл: /proc/x.t12");
  const FileResult gone = write_file_atomically("/nowhere-at-all/x.t12", "x");
  EXPECT_EQ(gone.error, "Папка не найдена: /nowhere-at-all/x.t12");
}

}  // namespace
}  // namespace tirel::test
