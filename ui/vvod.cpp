#include "ui/vvod.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "blok/frequency.h"
#include "prompt/prompter.h"
#include "ui/dialog_place.h"
#include "ui/texts.h"

using namespace tirel;

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      AdvEdit1(new QLineEdit(this)),
      Button1(new QPushButton(QString::fromUtf8(text::kYes), this)),
      Button2(new QPushButton(QString::fromUtf8(text::kNo), this)) {
  setObjectName("Form3");
  setFont(dialog_font());
  setFixedSize(161, 74);

  AdvEdit1->setObjectName("AdvEdit1");
  AdvEdit1->setMaxLength(10);
  QFont big(QStringLiteral("Arial"));
  big.setBold(true);
  big.setPixelSize(24);
  AdvEdit1->setFont(big);
  AdvEdit1->setGeometry(4, 4, 153, 36);
  AdvEdit1->installEventFilter(this);

  Button1->setObjectName("Button1");
  Button2->setObjectName("Button2");
  Button1->setGeometry(4, 45, 74, 25);
  Button2->setGeometry(83, 45, 74, 25);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

  setTabOrder(AdvEdit1, Button1);
  setTabOrder(Button1, Button2);
}

void TForm3::showEvent(QShowEvent* e) {
  // Whatever ends this use without "Да" must hand over "nothing entered", never the last entry.
  frq = 0;
  AdvEdit1->clear();
  AdvEdit1->setFocus(Qt::OtherFocusReason);
  QDialog::showEvent(e);
  centre_on_parent(this);
}

bool TForm3::eventFilter(QObject* watched, QEvent* e) {
  if (watched == AdvEdit1 && e->type() == QEvent::KeyPress) return AdvEdit1KeyPress(static_cast<QKeyEvent*>(e));
  return QDialog::eventFilter(watched, e);
}

bool TForm3::AdvEdit1KeyPress(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Button1Click(); return true;
    case Qt::Key_Escape: Button2Click(); return true;
    default: break;
  }
  // Cursor keys, Delete, Backspace, Tab and the edit shortcuts (copy, paste, undo) carry no
  // printable character: the field handles them as usual.
  const QString typed = e->text();
  if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
  if (typed.size() != 1) return true;
  QChar c = typed.at(0);
  if (c == QLatin1Char('.')) c = QLatin1Char(',');
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return false;
  if (c != QLatin1Char(',')) return true;
  // One comma only; a selected comma that the typed one replaces does not count.
  QString kept = AdvEdit1->text();
  if (AdvEdit1->hasSelectedText()) kept.remove(AdvEdit1->selectionStart(), AdvEdit1->selectedText().size());
  if (!kept.contains(QLatin1Char(','))) AdvEdit1->insert(QStringLiteral(","));
  return true;
}

void TForm3::Button1Click() {
  const QString typed = AdvEdit1->text();
  const auto hz = parse_frq_entry(typed.toStdString());
  if (!hz) {
    // Pasted text can hold anything: say so and let the user correct it or refuse.
    prompter().message(this, QMessageBox::Warning, QString::fromUtf8(text::kInputErrorCaption),
                       QString::fromUtf8(text::kFrqNotANumber).arg(typed), QMessageBox::Ok);
    AdvEdit1->setFocus(Qt::OtherFocusReason);
    return;
  }
  frq = *hz;
  accept();
}

void TForm3::Button2Click() { reject(); }

void TForm3::reject() {
  frq = 0;
  QDialog::reject();
}
