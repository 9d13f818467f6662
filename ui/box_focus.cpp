#include "ui/box_focus.h"

#include <QFocusEvent>
#include <QWidget>

namespace tirel {

BoxFocusFilter::BoxFocusFilter(QWidget* box, std::function<void()> on_enter)
    : QObject(box), on_enter_(std::move(on_enter)) {
  box->installEventFilter(this);
}

bool BoxFocusFilter::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    switch (static_cast<QFocusEvent*>(e)->reason()) {
      case Qt::MouseFocusReason:
      case Qt::TabFocusReason:
      case Qt::BacktabFocusReason: on_enter_(); break;
      default: break;
    }
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace tirel
