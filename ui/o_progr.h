#pragma once
// The about box: the program's name and version.
#include <QDialog>

class QLabel;
class QPushButton;

class TForm11 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm11(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // program line
  QLabel* Label2 = nullptr;  // version line
  QPushButton* Button1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
};
