#pragma once
// The small window that tells which page is being generated or printed.
#include <QDialog>

class QLabel;

namespace tirel::print {

class StatusWindow final : public QDialog {
  Q_OBJECT
 public:
  StatusWindow(QWidget* parent, const QString& title);
  // Shows `pattern` with %p replaced by the page number and lets the window repaint.
  void show_page(const QString& pattern, int page);
  QString text() const;

 signals:
  void line_shown(const QString& line);

 private:
  QLabel* label_;
};

}  // namespace tirel::print
