// Printing the parameter sheet.
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>

#include "print/sheet_command.h"
#include "ui/main_window.h"

tirel::WindowView TForm1::shown_view() const {
  tirel::WindowView view;
  for (int n = 1; n <= tirel::kChannelCount; ++n) {
    tirel::ChannelRow& row = view.rows[static_cast<std::size_t>(n - 1)];
    for (int c = 1; c <= 8; ++c)
      row.cells[static_cast<std::size_t>(c - 1)] = StringGrid101->item(n - 1, c)->text().toStdString();
    row.off_ticked = channel_off_box(n)->isChecked();
    row.inhibit_ticked = tx_inhibit_box(n)->isChecked();
    row.inhibit_enabled = tx_inhibit_box(n)->isEnabled();
  }
  for (std::size_t k = 0; k < setting_lists_.size(); ++k) {
    const int i = setting_lists_[k]->currentIndex();
    view.setting_index[k] = i >= 0 ? std::optional<int>(i) : std::nullopt;
  }
  view.band_index = ComboBox1->currentIndex();
  return view;
}

void TForm1::N8Click() { tirel::print::print_sheet(RvProject1, shown_view(), this); }
