#pragma once
// The main window shown and active on a fresh working folder, worked with mouse and keys as the
// user works it; every question is answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QTableWidget>
#include <QTest>

#include "modal.h"
#include "table_clicks.h"
#include "window_fixture.h"

namespace tirel::test {

class ShownWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    open_window();
    window->create_dialogs();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    grid = window->StringGrid101;
  }

  void click(int n, int col, Qt::MouseButton button = Qt::LeftButton) { click_cell(grid, n, col, button); }
  template <class Dialog>
  void click_and_answer(int n, int col, std::function<void(Dialog*)> answer) {
    click_cell_and_answer<Dialog>(grid, n, col, std::move(answer));
  }
  void click_box(QCheckBox* box) { click_check_box(box); }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
    // A closed dialog leaves no window active on a headless screen; the user's window is.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::qWait(30);  // leftover timers of a closed dialog run first
    QTest::keyClick(window.get(), k, mods);
    QCoreApplication::processEvents();
  }
  QString item_text(const char* name) const { return window->edit_action(name)->text(); }
  bool item_enabled(const char* name) const { return window->edit_action(name)->isEnabled(); }

  QTableWidget* grid = nullptr;
};

}  // namespace tirel::test
