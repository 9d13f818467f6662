#include "ui/o_progr.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/dialog_place.h"
#include "ui/texts.h"
#include "ui/tool_icons.h"

TForm11::TForm11(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form11"));
  setWindowTitle(QString::fromUtf8(tirel::text::kAboutCaption));
  setFixedSize(328, 169);
  setFont(tirel::dialog_font());
  setModal(true);

  auto* picture = new QLabel(this);
  picture->setPixmap(tirel::about_picture());
  picture->setGeometry(12, 12, 90, 53);

  Label1 = new QLabel(this);
  QFont big = font();
  big.setBold(true);
  big.setPointSize(14);
  Label1->setFont(big);
  Label1->setGeometry(116, 14, 204, 28);

  Label2 = new QLabel(this);
  QFont bold = font();
  bold.setBold(true);
  Label2->setFont(bold);
  Label2->setGeometry(116, 46, 204, 18);

  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, 108, 312, 2);

  // Escape closes the box through QDialog's own reject, whichever control has the focus.
  Button1 = new QPushButton(QString::fromUtf8(tirel::text::kAboutClose), this);
  Button1->setGeometry((328 - 75) / 2, 128, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm11::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
  tirel::centre_on_parent(this);
}

void TForm11::FormShow() {
  Label1->setText(QString::fromUtf8(tirel::text::kAppTitle));
  Label2->setText(QString::fromUtf8(tirel::text::kVersion));
}
