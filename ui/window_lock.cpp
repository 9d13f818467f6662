#include "ui/window_lock.h"

#include <QEvent>

namespace tirel {

void WindowLock::blok_btn(QWidget* window) {
  if (!window) return;
  window_ = window;
  window->setEnabled(false);
  // The dialogs the window owns would go grey with it; they must stay usable.
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->setEnabled(true);
  window->installEventFilter(this);
}

void WindowLock::razblok_btn() {
  if (!window_) return;
  window_->removeEventFilter(this);
  window_->setEnabled(true);
  window_.clear();
}

bool WindowLock::eventFilter(QObject* watched, QEvent* e) {
  if (watched == window_ && e->type() == QEvent::Close) {
    e->ignore();
    return true;
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace tirel
