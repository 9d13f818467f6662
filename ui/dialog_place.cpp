#include "ui/dialog_place.h"

#include <QFont>
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

QFont dialog_font() {
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                 QStringLiteral("Liberation Sans")});
  f.setPointSize(8);
  return f;
}

}  // namespace tirel
