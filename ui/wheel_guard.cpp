#include "ui/wheel_guard.h"

#include <QComboBox>
#include <QEvent>

namespace tirel {
namespace {

class WheelGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Wheel) {
      auto* list = static_cast<QComboBox*>(watched);
      if (!list->hasFocus()) {
        e->ignore();
        return true;
      }
    }
    return QObject::eventFilter(watched, e);
  }
};

}  // namespace

void wheel_only_with_focus(QComboBox* list) {
  // The wheel alone must not give it the focus either.
  list->setFocusPolicy(Qt::StrongFocus);
  list->installEventFilter(new WheelGuard(list));
}

}  // namespace tirel
