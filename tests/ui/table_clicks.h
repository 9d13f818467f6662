#pragma once
// Clicks on the channel table and on its check boxes, as the user makes them with the mouse.
#include <QCheckBox>
#include <QCoreApplication>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "modal.h"

namespace tirel::test {

inline void click_cell(QTableWidget* grid, int n, int col, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(grid->viewport(), button, {}, grid->visualItemRect(grid->item(n - 1, col)).center());
  QCoreApplication::processEvents();
}

// Clicks a cell that opens a dialog; `answer` runs on the dialog while it is open.
template <class Dialog>
void click_cell_and_answer(QTableWidget* grid, int n, int col, std::function<void(Dialog*)> answer) {
  when_modal<Dialog>(answer);
  click_cell(grid, n, col);
}

inline void click_check_box(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton);
  QCoreApplication::processEvents();
}

}  // namespace tirel::test
