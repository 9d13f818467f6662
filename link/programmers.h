#pragma once
// The programmer selection dialog: the programmer type and the COM port. The USB programmer
// cannot be picked here; it comes only from config.ini.
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

class TForm2 final : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* main_window = nullptr);

  // The main window's fields that a confirmed dialog sets; read when it is shown.
  void bind(std::int32_t* programmer_mode, std::int32_t* port_index);

  QGroupBox* RadioGroup1;
  QGroupBox* RadioGroup2;
  QPushButton* Button1;
  QPushButton* Button2;
  std::array<QRadioButton*, 2> type_items{};
  std::array<QRadioButton*, 4> port_items{};

  std::uint8_t confirmed = 0;

  int type_index() const;  // -1 when nothing is selected
  int port_item_index() const;

  void RadioGroup1Click();
  void Button1Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;

 private:
  void FormShow();
  void FormClose();
  static void select(QButtonGroup& group, int index, int count);

  QButtonGroup type_group_;
  QButtonGroup port_group_;
  std::int32_t* programmer_mode_ = nullptr;
  std::int32_t* port_index_ = nullptr;
};
