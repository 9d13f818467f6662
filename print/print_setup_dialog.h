#pragma once
// The setup window shown before a report is printed: destination, copies and page range.
#include <QDialog>

#include "print/print_setup.h"

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tirel::print {

class PrintSetupDialog final : public QDialog {
  Q_OBJECT
 public:
  PrintSetupDialog(QWidget* parent, const SetupRequest& request);
  PrintChoice choice() const;

 private:
  void browse();
  void update_state();

  QRadioButton* printer_choice_;
  QComboBox* printer_list_;
  QRadioButton* preview_choice_;
  QRadioButton* file_choice_;
  QLineEdit* file_name_;
  QPushButton* browse_button_;
  QSpinBox* copies_;
  QRadioButton* all_pages_;
  QRadioButton* page_range_;
  QSpinBox* from_page_;
  QSpinBox* to_page_;
  QDialogButtonBox* buttons_;
  int page_count_;
};

}  // namespace tirel::print
