#pragma once
// The choice of rows of a CHIRP list before anything changes: every row with its values, or why
// the radio cannot take it; at most as many ticked as fit from the chosen first channel.
#include <QDialog>
#include <vector>

#include "files/chirp_csv.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

class ChirpRowsDialog : public QDialog {
  Q_OBJECT

 public:
  ChirpRowsDialog(const tirel::chirp::List& list, const QString& file_name, QWidget* parent);

  // The ticked rows (indexes into the list), in file order, and the channel the first goes into.
  std::vector<std::size_t> chosen() const;
  int first_channel() const;

  QTableWidget* table() const { return table_; }
  QSpinBox* first_channel_box() const { return first_; }
  QPushButton* import_button() const { return import_; }
  QLabel* count_label() const { return count_; }

 private:
  void row_ticked(QTableWidgetItem* item);
  void show_count(const QString& refusal = {});

  QTableWidget* table_;
  QSpinBox* first_;
  QLabel* count_;
  QPushButton* import_;
};
