#include "ui/grid_click.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>

namespace tirel {

GridClickFilter::GridClickFilter(QTableWidget* table, std::function<void(int, int)> on_click)
    : QObject(table), table_(table), viewport_(table->viewport()), on_click_(std::move(on_click)) {
  viewport_->installEventFilter(this);
  table_->installEventFilter(this);
}

bool GridClickFilter::eventFilter(QObject* watched, QEvent* e) {
  // Compared with the viewport kept from the start: while the table is being destroyed its
  // viewport still sends events here, and the table is no longer a table to ask.
  if (watched == viewport_) {
    switch (e->type()) {
      case QEvent::MouseButtonPress: {
        const auto* m = static_cast<QMouseEvent*>(e);
        const QModelIndex at = table_->indexAt(m->position().toPoint());
        pressed_on_cell_ = m->button() == Qt::LeftButton && at.isValid() && at.column() >= 1;
        break;
      }
      case QEvent::MouseButtonDblClick:
        // The second press of a double click: its release must not count as a click.
        pressed_on_cell_ = false;
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && pressed_on_cell_) {
          pressed_on_cell_ = false;
          fire_on_selected();
        }
        break;
      default: break;
    }
  } else if (watched == table_ && e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    const bool activate = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Space;
    if (activate && k->modifiers() == Qt::NoModifier && !k->isAutoRepeat()) {
      fire_on_selected();
      return true;
    }
  }
  return QObject::eventFilter(watched, e);
}

void GridClickFilter::fire_on_selected() {
  const int row = table_->currentRow();
  const int col = table_->currentColumn();
  if (row < 0 || col < 1) return;
  QMetaObject::invokeMethod(this, [this, row, col] { on_click_(row, col); }, Qt::QueuedConnection);
}

}  // namespace tirel
