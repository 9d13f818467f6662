#include "ui/progress.h"

#include <QCloseEvent>

#include "link/texts.h"
#include "prompt/window_place.h"

TForm10::TForm10(QWidget* main_window)
    : QWidget(main_window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setFixedSize(336, 69);
  // A window of its own: it takes the main window's face, not the desktop's.
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 12, 260, 16);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(268, 12, 60, 16);
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(8, 40, 321, 17);
  ProgressBar1->setMinimum(0);
  ProgressBar1->setTextVisible(false);
}

void TForm10::begin(tirel::Operation op, int total) {
  setWindowTitle(QString::fromUtf8(tirel::link_text::progress_caption(op)));
  Label1->setText(QString::fromUtf8(tirel::link_text::progress_label(op)));
  tirel::centre_frame_on_owner(this);
  setEnabled(true);
  show();
  ProgressBar1->setMaximum(total);
  ProgressBar1->setValue(0);
}

void TForm10::advance(int position, const QString& percent) {
  ProgressBar1->setValue(position);
  Label2->setText(percent);
}

void TForm10::showEvent(QShowEvent* e) {
  FormShow();
  QWidget::showEvent(e);
}

void TForm10::closeEvent(QCloseEvent* e) { e->ignore(); }

void TForm10::FormShow() { Label2->setText(QStringLiteral("0%")); }
