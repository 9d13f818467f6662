#include "ui/dialog_place.h"

#include <QWidget>

namespace tirel {

void centre_on_parent(QWidget* dialog) {
  const QWidget* parent = dialog->parentWidget();
  if (!parent) return;
  const QRect owner = parent->window()->frameGeometry();
  QRect frame = dialog->frameGeometry();
  frame.moveCenter(owner.center());
  dialog->move(frame.topLeft());
}

}  // namespace tirel
