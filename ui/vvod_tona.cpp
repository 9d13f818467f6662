#include "ui/vvod_tona.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "ui/dialog_place.h"
#include "ui/texts.h"

using namespace tirel;

namespace {

QComboBox* tone_list(QWidget* parent, const char* name, auto const& entries) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(true);
  // Typed text is used as it stands; it must not turn into a new entry of the table.
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setMaxVisibleItems(16);
  for (const char* e : entries) list->addItem(QString::fromLatin1(e));
  list->setCurrentIndex(0);
  return list;
}

// Shows entry i; text typed at an earlier use goes.
void select_index(QComboBox* list, int i) {
  list->setCurrentIndex(i);
  list->setEditText(list->itemText(i));
}

// Shows the entry equal to `text`, or keeps the entry the list had.
void select_text(QComboBox* list, const std::string& text) {
  const int i = list->findText(QString::fromStdString(text), Qt::MatchExactly);
  select_index(list, i >= 0 ? i : list->currentIndex());
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      RadioGroup1(new QGroupBox(this)),
      RadioGroup1Items(new QButtonGroup(this)),
      ComboBox1(tone_list(RadioGroup1, "ComboBox1", kCtcssTones)),
      ComboBox2(tone_list(RadioGroup1, "ComboBox2", kDcsCodes)),
      CheckBox1(new QCheckBox(QString::fromUtf8(text::kToneInverted), RadioGroup1)),
      Button1(new QPushButton(QString::fromUtf8(text::kYes), this)),
      Button2(new QPushButton(QString::fromUtf8(text::kNo), this)) {
  setObjectName("Form4");
  setFont(dialog_font());
  setFixedSize(197, 126);

  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(4, 2, 189, 88);
  const char* choices[] = {text::kToneCtc, text::kToneDcs, text::kToneOff};
  for (int i = 0; i < 3; ++i) {
    auto* choice = new QRadioButton(QString::fromUtf8(choices[i]), RadioGroup1);
    choice->setGeometry(6, 8 + 26 * i, 84, 20);
    RadioGroup1Items->addButton(choice, i);
  }
  ComboBox1->setGeometry(92, 6, 90, 24);
  ComboBox2->setGeometry(92, 32, 90, 24);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(92, 60, 95, 20);

  Button1->setObjectName("Button1");
  Button2->setObjectName("Button2");
  Button1->setGeometry(14, 96, 80, 25);
  Button2->setGeometry(103, 96, 80, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm4::reject);
  connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) RadioGroup1Click();
  });

  set_item_index(static_cast<int>(ToneKind::off));
}

int TForm4::item_index() const { return RadioGroup1Items->checkedId(); }

void TForm4::set_item_index(int index) {
  if (QAbstractButton* b = RadioGroup1Items->button(index)) b->setChecked(true);
  RadioGroup1Click();
}

void TForm4::RadioGroup1Click() {
  const int k = item_index();
  ComboBox1->setEnabled(k == static_cast<int>(ToneKind::ctcss));
  ComboBox2->setEnabled(k == static_cast<int>(ToneKind::dcs));
  CheckBox1->setEnabled(k == static_cast<int>(ToneKind::dcs));
}

void TForm4::preset(std::uint8_t type, std::uint16_t value) {
  switch (type) {
    case kToneOff:
      select_index(ComboBox1, 0);
      select_index(ComboBox2, 0);
      CheckBox1->setChecked(false);
      set_item_index(static_cast<int>(ToneKind::off));
      break;
    case kToneCtcss:
      // The list's tones are written with a comma whatever the user's number settings, so the
      // channel's tone is looked up with a comma too: with a point it would never be found and
      // "Да" would quietly store another tone.
      select_text(ComboBox1, ctcss_number_text(value, ","));
      select_index(ComboBox2, 0);
      CheckBox1->setChecked(false);
      set_item_index(static_cast<int>(ToneKind::ctcss));
      break;
    case kToneDcs:
    case kToneDcsInverted:
      select_index(ComboBox1, 0);
      select_text(ComboBox2, dcs_number_text(value));
      CheckBox1->setChecked(type == kToneDcsInverted);
      set_item_index(static_cast<int>(ToneKind::dcs));
      break;
    default:
      // A type the program never writes: offer "Выключен", lists at their entries and the tick as
      // it was; "Да" then clears the unknown sub-tone, "Нет" leaves it.
      select_index(ComboBox1, ComboBox1->currentIndex());
      select_index(ComboBox2, ComboBox2->currentIndex());
      set_item_index(static_cast<int>(ToneKind::off));
      break;
  }
  RadioGroup1Items->checkedButton()->setFocus(Qt::OtherFocusReason);
}

ToneChoice TForm4::choice() const {
  ToneChoice c;
  c.kind = static_cast<ToneKind>(item_index());
  c.ctcss_text = ComboBox1->currentText().toStdString();
  c.dcs_text = ComboBox2->currentText().toStdString();
  c.inverted = CheckBox1->isChecked();
  return c;
}

void TForm4::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centre_on_parent(this);
  if (QAbstractButton* b = RadioGroup1Items->checkedButton()) b->setFocus(Qt::OtherFocusReason);
}

void TForm4::Button1Click() {
  tone_ok = 1;
  accept();
}

void TForm4::reject() {
  tone_ok = 0;
  QDialog::reject();
}
