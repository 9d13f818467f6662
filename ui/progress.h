#pragma once
// The progress window of a read or a write: the operation, the percentage and a bar. It has
// no title-bar buttons, so the user cannot close it while the radio is being talked to.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "link/progress_sink.h"

class TForm10 final : public QWidget, public tirel::ProgressSink {
  Q_OBJECT
 public:
  // Owned by `main_window` and shown centred on it; it stays usable while the main window is locked.
  explicit TForm10(QWidget* main_window = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QProgressBar* ProgressBar1;

  void begin(tirel::Operation op, int total) override;
  void advance(int position, const QString& percent) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormShow();
};
