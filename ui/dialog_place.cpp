#include "ui/dialog_place.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include "prompt/window_place.h"

namespace tirel {

void centre_on_parent(QWidget* dialog) { centre_frame_on_owner(dialog); }

namespace {
const QStringList& stand_ins() {
  static const QStringList faces{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")};
  return faces;
}
}  // namespace

QFont dialog_font() {
  QFont f;
  f.setFamilies(QStringList{QStringLiteral("MS Sans Serif")} + stand_ins());
  f.setPointSize(8);
  return f;
}

void install_font_stand_ins() { QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), stand_ins()); }

void use_program_font() {
  install_font_stand_ins();
  QApplication::setFont(dialog_font());
}

}  // namespace tirel
