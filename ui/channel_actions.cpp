// The channel table's edits: table clicks and the two columns of check boxes.
#include <QCheckBox>
#include <QTableWidget>

#include "ui/box_focus.h"
#include "ui/channel_edit.h"
#include "ui/channel_table.h"
#include "ui/grid_click.h"
#include "ui/main_window.h"

void TForm1::connect_channel_actions() {
  new tirel::GridClickFilter(StringGrid101, [this](int, int) { StringGrid101Click(); });
  for (int n = 1; n <= tirel::kChannelCount; ++n) {
    for (int number : {n, 20 + n}) {
      QCheckBox* box = number == n ? channel_off_box(n) : tx_inhibit_box(n);
      // clicked comes from the user only (mouse or Space), never from the refresh's ticks.
      connect(box, &QCheckBox::clicked, this, [this, number] { CheckBoxClick(number); });
      new tirel::BoxFocusFilter(box, [this, number] { CheckBoxEnter(number); });
    }
  }
}

void TForm1::StringGrid101Click() {
  const tirel::ChannelTableActions actions{
      [this](int n, tirel::Dir d) { in_frq(n, static_cast<int>(d)); },
      [this](int n, tirel::Dir d) { in_tone(n, static_cast<int>(d)); },
      [this] { print_wind_blok(); },
  };
  tirel::table_click(blok_, modified_, StringGrid101->currentRow(), StringGrid101->currentColumn(), actions);
}

void TForm1::CheckBoxClick(int number) {
  if (number <= tirel::kChannelCount)
    tirel::channel_off_box_changed(blok_, number, channel_off_box(number)->isChecked());
  else
    tirel::tx_inhibit_box_changed(blok_, number - 20, tx_inhibit_box(number - 20)->isChecked());
  print_wind_blok();
}

void TForm1::CheckBoxEnter(int) { modified_ = 1; }

void TForm1::in_frq(int n, int direction) {
  if (Form3) tirel::in_frq(blok_, n, tirel::dir_from_int(direction), limits_, *Form3);
}

void TForm1::in_tone(int n, int direction) {
  if (Form4) tirel::in_tone(blok_, n, tirel::dir_from_int(direction), *Form4);
}
