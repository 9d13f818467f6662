// The channel table's edits: table clicks and the two columns of check boxes.
#include <QCheckBox>
#include <QMenu>
#include <QTableWidget>

#include "ui/box_focus.h"
#include "ui/channel_edit.h"
#include "ui/channel_table.h"
#include "ui/texts.h"
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
  // A right click selects the cell under it (the table does that) and offers copy and paste;
  // it toggles nothing.
  StringGrid101->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(StringGrid101, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(StringGrid101);
    menu.setObjectName(QStringLiteral("ChannelMenu"));
    menu.addAction(edit_action("CopyChannel"));
    menu.addAction(edit_action("PasteChannel"));
    menu.exec(StringGrid101->viewport()->mapToGlobal(at));
  });
}

void TForm1::StringGrid101Click() {
  const tirel::ChannelTableActions actions{
      [this](int n, tirel::Dir d) { in_frq(n, static_cast<int>(d)); },
      [this](int n, tirel::Dir d) { in_tone(n, static_cast<int>(d)); },
      [this] { print_wind_blok(); },
  };
  const int row = StringGrid101->currentRow();
  const int col = StringGrid101->currentColumn();
  // The undo step is named after the column clicked, as the table's headings name it.
  static constexpr const char* kSteps[] = {nullptr,
                                           tirel::text::kStepRxFrq,
                                           tirel::text::kStepRxTone,
                                           tirel::text::kStepTxFrq,
                                           tirel::text::kStepTxTone,
                                           tirel::text::kStepShift,
                                           tirel::text::kStepWidth,
                                           tirel::text::kStepScan,
                                           tirel::text::kStepBusyLock};
  const QString label = col >= 1 && col <= 8 ? QString::fromUtf8(kSteps[col]).arg(row + 1) : QString();
  edit_step(label, [&] { tirel::table_click(blok_, modified_, row, col, actions); });
}

void TForm1::CheckBoxClick(int number) {
  const bool off_box = number <= tirel::kChannelCount;
  const int n = off_box ? number : number - 20;
  const bool ticked = (off_box ? channel_off_box(n) : tx_inhibit_box(n))->isChecked();
  const char* step = off_box ? (ticked ? tirel::text::kStepChannelOff : tirel::text::kStepChannelOn)
                             : (ticked ? tirel::text::kStepTxInhibit : tirel::text::kStepTxAllow);
  edit_step(QString::fromUtf8(step).arg(n), [&] {
    if (off_box)
      tirel::channel_off_box_changed(blok_, n, ticked);
    else
      tirel::tx_inhibit_box_changed(blok_, n, ticked);
    print_wind_blok();
  });
}

void TForm1::CheckBoxEnter(int) { modified_ = 1; }

void TForm1::in_frq(int n, int direction) {
  if (Form3) tirel::in_frq(blok_, n, tirel::dir_from_int(direction), limits_, *Form3);
}

void TForm1::in_tone(int n, int direction) {
  if (Form4) tirel::in_tone(blok_, n, tirel::dir_from_int(direction), *Form4);
}
