#pragma once
// The frequency entry dialog: the user types a frequency in megahertz, the dialog hands it
// over in hertz in `frq` (0 = nothing entered). Range check and storing are the caller's.
#include <QDialog>
#include <cstdint>

class QKeyEvent;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  QLineEdit* AdvEdit1;
  QPushButton* Button1;  // "Да"
  QPushButton* Button2;  // "Нет"

  // Hertz after "Да"; 0 after "Нет", Escape or any other close. Wider than the radio needs, so
  // that ten typed digits can never wrap round into a frequency that happens to be in the band.
  std::int64_t frq = 0;

  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // True when the key is used up here and must not reach the field.
  bool AdvEdit1KeyPress(QKeyEvent* e);
  void Button1Click();
  void Button2Click();
};
