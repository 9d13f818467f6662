#include "print/status_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace tirel::print {

StatusWindow::StatusWindow(QWidget* parent, const QString& title) : QDialog(parent) {
  setWindowTitle(title);
  setWindowModality(Qt::ApplicationModal);
  label_ = new QLabel(this);
  label_->setObjectName("statusLine");
  label_->setMinimumWidth(220);
  label_->setAlignment(Qt::AlignCenter);
  auto* box = new QVBoxLayout(this);
  box->addWidget(label_);
}

void StatusWindow::show_page(const QString& pattern, int page) {
  label_->setText(QString(pattern).replace("%p", QString::number(page)));
  if (!isVisible()) show();
  emit line_shown(label_->text());
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString StatusWindow::text() const { return label_->text(); }

}  // namespace tirel::print
