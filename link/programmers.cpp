#include "link/programmers.h"

#include <algorithm>

#include "link/texts.h"
#include "prompt/window_place.h"

namespace {
QRadioButton* item(QWidget* frame, QButtonGroup& group, int id, const char* text, int x, int y, int w) {
  auto* b = new QRadioButton(QString::fromUtf8(text), frame);
  b->setGeometry(x, y, w, 17);
  group.addButton(b, id);
  return b;
}
}  // namespace

TForm2::TForm2(QWidget* main_window) : QDialog(main_window) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(tirel::link_text::kProgrammerCaption));
  setFixedSize(309, 191);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setModal(true);

  RadioGroup1 = new QGroupBox(QString::fromUtf8(tirel::link_text::kProgrammerTypeFrame), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(8, 8, 293, 57);
  RadioGroup1->setFocusPolicy(Qt::StrongFocus);
  // Two columns: each item keeps to its half of the frame.
  type_items[0] = item(RadioGroup1, type_group_, 0, tirel::link_text::kUsbProgrammerItem, 8, 24, 136);
  type_items[1] = item(RadioGroup1, type_group_, 1, tirel::link_text::kComProgrammerItem, 154, 24, 136);

  RadioGroup2 = new QGroupBox(QString::fromUtf8(tirel::link_text::kComPortFrame), this);
  RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
  RadioGroup2->setGeometry(8, 72, 293, 82);
  // Two columns filled top to bottom: COM 1 and COM 2 on the left, COM 3 and COM 4 on the right.
  port_items[0] = item(RadioGroup2, port_group_, 0, tirel::link_text::kComPortItems[0], 8, 22, 136);
  port_items[1] = item(RadioGroup2, port_group_, 1, tirel::link_text::kComPortItems[1], 8, 50, 136);
  port_items[2] = item(RadioGroup2, port_group_, 2, tirel::link_text::kComPortItems[2], 154, 22, 136);
  port_items[3] = item(RadioGroup2, port_group_, 3, tirel::link_text::kComPortItems[3], 154, 50, 136);

  Button1 = new QPushButton(QString::fromUtf8(tirel::link_text::kProgrammerYes), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(16, 160, 75, 25);
  Button1->setAutoDefault(false);
  Button2 = new QPushButton(QString::fromUtf8(tirel::link_text::kProgrammerNo), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(217, 160, 75, 25);
  Button2->setAutoDefault(false);

  connect(&type_group_, &QButtonGroup::idClicked, this, [this](int) { RadioGroup1Click(); });
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::bind(std::int32_t* programmer_mode, std::int32_t* port_index) {
  programmer_mode_ = programmer_mode;
  port_index_ = port_index;
}

int TForm2::type_index() const { return type_group_.checkedId(); }
int TForm2::port_item_index() const { return port_group_.checkedId(); }

void TForm2::select(QButtonGroup& group, int index, int count) {
  // Below -1 counts as -1 (nothing selected); beyond the last entry selects the last.
  index = std::clamp(index, -1, count - 1);
  if (index < 0) {
    if (auto* b = group.checkedButton()) {
      group.setExclusive(false);
      b->setChecked(false);
      group.setExclusive(true);
    }
    return;
  }
  group.button(index)->setChecked(true);
}

void TForm2::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  tirel::centre_frame_on_owner(this);
  FormShow();
}

void TForm2::FormShow() {
  confirmed = 0;
  RadioGroup1->setFocus();
  select(type_group_, programmer_mode_ ? *programmer_mode_ : 1, static_cast<int>(type_items.size()));
  select(port_group_, port_index_ ? *port_index_ : 0, static_cast<int>(port_items.size()));
  RadioGroup1Click();
}

void TForm2::RadioGroup1Click() {
  if (type_group_.checkedId() == 0)
    type_items[1]->setChecked(true);
  else
    RadioGroup2->setEnabled(true);
}

void TForm2::Button1Click() {
  confirmed = 1;
  close();
}

void TForm2::Button2Click() { close(); }

void TForm2::done(int r) {
  FormClose();
  QDialog::done(r);
}

void TForm2::FormClose() {
  if (confirmed != 1) return;
  if (programmer_mode_) *programmer_mode_ = type_index();
  if (port_index_) *port_index_ = port_item_index();
}
