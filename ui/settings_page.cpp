// The radio settings page: ten pick-only lists, each writing its setting into the blok.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "blok/settings.h"
#include "ui/main_window.h"
#include "ui/texts.h"
#include "ui/wheel_guard.h"

namespace {

QGroupBox* group(QWidget* parent, const char* caption, const char* name) {
  auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  QFont bold = box->font();
  bold.setBold(true);
  box->setFont(bold);
  // Navy, bold caption; the lists and labels inside keep the window's plain font and colour.
  QPalette pal = box->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  box->setPalette(pal);
  // The page gives the first frame the focus, so that no list holds it; Tab passes the frames by.
  box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

}  // namespace

QWidget* TForm1::build_settings_page() {
  auto* page = new QWidget(this);
  auto* panel = new QFrame(page);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(0, 0, 628, 370);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(12, 10, 12, 10);
  column->setSpacing(10);

  GroupBox201 = group(panel, tirel::text::kGroupRadio, "GroupBox201");
  GroupBox202 = group(panel, tirel::text::kGroupScan, "GroupBox202");
  column->addWidget(GroupBox201);
  column->addWidget(GroupBox202);
  column->addStretch(1);

  QFont plain = font();
  plain.setBold(false);  // set explicitly, or the frame's bold caption font would be inherited
  QPalette plain_palette = palette();
  plain_palette.setColor(QPalette::WindowText, Qt::black);  // set explicitly, or the navy caption colour is inherited
  const auto& all = tirel::settings();
  int row_in_group[2] = {0, 0};
  for (std::size_t k = 0; k < all.size(); ++k) {
    const tirel::Setting& s = all[k];
    const int g = s.combo <= 205 ? 0 : 1;
    QGroupBox* box = g == 0 ? GroupBox201 : GroupBox202;
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (!grid) {
      grid = new QGridLayout(box);
      grid->setContentsMargins(10, 14, 10, 8);
      grid->setHorizontalSpacing(8);
      grid->setVerticalSpacing(5);
      grid->setColumnStretch(0, 1);
    }
    auto* label = new QLabel(QString::fromUtf8(s.label), box);
    label->setFont(plain);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setPalette(plain_palette);
    auto* list = new QComboBox(box);
    list->setObjectName(QStringLiteral("ComboBox%1").arg(s.combo));
    list->setFont(plain);
    list->setEditable(false);
    list->setFixedWidth(230);
    list->setMaxVisibleItems(16);
    tirel::wheel_only_with_focus(list);
    for (const char* entry : s.entries) list->addItem(QString::fromUtf8(entry));
    label->setBuddy(list);
    grid->addWidget(label, row_in_group[g], 0);
    grid->addWidget(list, row_in_group[g], 1);
    ++row_in_group[g];
    setting_lists_[k] = list;
  }

  // activated: only a choice made by the user counts; refreshes set the selection quietly.
  const std::pair<int, void (TForm1::*)(int)> handlers[] = {
      {201, &TForm1::ComboBox201Change}, {202, &TForm1::ComboBox202Change}, {203, &TForm1::ComboBox203Change},
      {204, &TForm1::ComboBox204Change}, {205, &TForm1::ComboBox205Change}, {209, &TForm1::ComboBox209Change},
      {210, &TForm1::ComboBox210Change}, {211, &TForm1::ComboBox211Change}, {212, &TForm1::ComboBox212Change},
      {213, &TForm1::ComboBox213Change}};
  for (const auto& [combo, handler] : handlers) connect(setting_list(combo), &QComboBox::activated, this, handler);
  return page;
}

QComboBox* TForm1::setting_list(int combo) const {
  const auto& all = tirel::settings();
  for (std::size_t k = 0; k < all.size(); ++k)
    if (all[k].combo == combo) return setting_lists_[k];
  return nullptr;
}

void TForm1::setting_chosen(int combo, int i) {
  const tirel::Setting* s = tirel::setting_by_combo(combo);
  if (!s || i < 0 || i >= static_cast<int>(s->entries.size())) return;
  set_modified(true);
  tirel::store_setting(blok_, *s, i);
  print_wind_blok();
}

void TForm1::ComboBox201Change(int i) { setting_chosen(201, i); }
void TForm1::ComboBox202Change(int i) { setting_chosen(202, i); }
void TForm1::ComboBox203Change(int i) { setting_chosen(203, i); }
void TForm1::ComboBox204Change(int i) { setting_chosen(204, i); }
void TForm1::ComboBox205Change(int i) { setting_chosen(205, i); }
void TForm1::ComboBox209Change(int i) { setting_chosen(209, i); }
void TForm1::ComboBox210Change(int i) { setting_chosen(210, i); }
void TForm1::ComboBox211Change(int i) { setting_chosen(211, i); }
void TForm1::ComboBox212Change(int i) { setting_chosen(212, i); }
void TForm1::ComboBox213Change(int i) { setting_chosen(213, i); }

void TForm1::refresh_settings_page() {
  for (std::size_t k = 0; k < setting_lists_.size(); ++k) {
    QComboBox* list = setting_lists_[k];
    const QSignalBlocker quiet(list);
    const auto& index = view_.setting_index[k];
    list->setCurrentIndex(index && *index >= 0 && *index < list->count() ? *index : -1);
  }
}

void TForm1::TabSheet2Show() { GroupBox201->setFocus(); }
