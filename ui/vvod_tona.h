#pragma once
// The sub-tone entry dialog: off, a CTCSS tone or a DCS code (normal or inverted). The caller
// presets it from the channel, shows it and stores the choice when `tone_ok` is 1.
#include <QDialog>
#include <cstdint>

#include "blok/subtone.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* parent = nullptr);

  QGroupBox* RadioGroup1;
  QButtonGroup* RadioGroup1Items;  // ids: 0 "CTC", 1 "DCS", 2 "Выключен"
  QComboBox* ComboBox1;            // CTCSS tones, accepts typing
  QComboBox* ComboBox2;            // DCS codes, accepts typing
  QCheckBox* CheckBox1;            // "Инверт. DCS"
  QPushButton* Button1;            // "Да"
  QPushButton* Button2;            // "Нет"

  std::uint8_t tone_ok = 0;  // 1 after "Да", 0 after "Нет", Escape or the close box

  int item_index() const;
  void set_item_index(int index);  // runs the enabling as a user's choice would

  // Sets the controls from a channel's sub-tone type (masked with 0x70) and value. A tone or
  // code that matches no list entry leaves that list where it was.
  void preset(std::uint8_t type, std::uint16_t value);
  // What the user chose, with the texts the lists show (entries or typed text).
  tirel::ToneChoice choice() const;

  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void RadioGroup1Click();
  void Button1Click();
};
