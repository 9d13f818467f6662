#pragma once
// Turns mouse clicks on the channel table into one click action each: on the button's release,
// also on the cell already selected, never for column 0, for keyboard moves of the selection or
// for the second press of a double click. Enter or Space act on the selected cell, so the table
// can be edited without a mouse.
#include <QObject>
#include <functional>

class QTableWidget;

namespace tirel {

class GridClickFilter : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the table and its viewport; `on_click` gets the selected row and column.
  GridClickFilter(QTableWidget* table, std::function<void(int row, int col)> on_click);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Runs the action once the table has finished with the event, so that a dialog it opens
  // does not interrupt the table's own handling of the mouse.
  void fire_on_selected();

  QTableWidget* table_;
  QObject* viewport_;
  std::function<void(int, int)> on_click_;
  bool pressed_on_cell_ = false;
};

}  // namespace tirel
