#include "print/print_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "print/texts.h"
#include "prompt/prompter.h"

namespace tirel::print {

PrintSetupDialog::PrintSetupDialog(QWidget* parent, const SetupRequest& request)
    : QDialog(parent), page_count_(std::max(1, request.page_count)) {
  setWindowTitle(request.title);
  setModal(true);

  auto* where = new QGroupBox(print_text::kOutputGroup, this);
  printer_choice_ = new QRadioButton(print_text::kPrinterChoice, where);
  printer_choice_->setObjectName("printerChoice");
  printer_list_ = new QComboBox(where);
  printer_list_->setObjectName("printerList");
  printer_list_->addItems(request.printers);
  printer_list_->setCurrentText(request.default_printer);
  preview_choice_ = new QRadioButton(print_text::kPreviewChoice, where);
  preview_choice_->setObjectName("previewChoice");
  file_choice_ = new QRadioButton(print_text::kFileChoice, where);
  file_choice_->setObjectName("fileChoice");
  file_name_ = new QLineEdit(where);
  file_name_->setObjectName("fileName");
  file_name_->setMinimumWidth(240);
  browse_button_ = new QPushButton(print_text::kBrowse, where);
  browse_button_->setObjectName("browseButton");
  auto* where_grid = new QGridLayout(where);
  where_grid->addWidget(printer_choice_, 0, 0);
  where_grid->addWidget(printer_list_, 0, 1, 1, 2);
  where_grid->addWidget(preview_choice_, 1, 0, 1, 3);
  where_grid->addWidget(file_choice_, 2, 0);
  where_grid->addWidget(file_name_, 2, 1);
  where_grid->addWidget(browse_button_, 2, 2);

  auto* pages = new QGroupBox(print_text::kPagesGroup, this);
  all_pages_ = new QRadioButton(print_text::kAllPages, pages);
  all_pages_->setObjectName("allPages");
  page_range_ = new QRadioButton(print_text::kPagesFrom, pages);
  page_range_->setObjectName("pageRange");
  from_page_ = new QSpinBox(pages);
  from_page_->setObjectName("fromPage");
  to_page_ = new QSpinBox(pages);
  to_page_->setObjectName("toPage");
  from_page_->setRange(1, page_count_);
  to_page_->setRange(1, page_count_);
  to_page_->setValue(page_count_);
  copies_ = new QSpinBox(pages);
  copies_->setObjectName("copies");
  copies_->setRange(1, 99);
  auto* pages_row = new QHBoxLayout;
  pages_row->addWidget(page_range_);
  pages_row->addWidget(from_page_);
  pages_row->addWidget(new QLabel(print_text::kPagesTo, pages));
  pages_row->addWidget(to_page_);
  pages_row->addStretch();
  auto* copies_row = new QHBoxLayout;
  copies_row->addWidget(new QLabel(print_text::kCopies, pages));
  copies_row->addWidget(copies_);
  copies_row->addStretch();
  auto* pages_box = new QVBoxLayout(pages);
  pages_box->addWidget(all_pages_);
  pages_box->addLayout(pages_row);
  pages_box->addLayout(copies_row);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(print_text::kOk);
  buttons_->button(QDialogButtonBox::Cancel)->setText(print_text::kCancel);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* box = new QVBoxLayout(this);
  box->addWidget(where);
  box->addWidget(pages);
  box->addWidget(buttons_);

  // No printer installed is a normal case: the preview and the PDF file remain.
  const bool have_printer = !request.printers.isEmpty();
  printer_choice_->setEnabled(have_printer);
  Destination start = request.default_destination;
  if (start == Destination::printer && !have_printer) start = Destination::preview;
  (start == Destination::printer ? printer_choice_ : start == Destination::preview ? preview_choice_ : file_choice_)
      ->setChecked(true);
  all_pages_->setChecked(true);

  for (QRadioButton* b : {printer_choice_, preview_choice_, file_choice_, all_pages_, page_range_})
    connect(b, &QRadioButton::toggled, this, &PrintSetupDialog::update_state);
  connect(file_name_, &QLineEdit::textChanged, this, &PrintSetupDialog::update_state);
  connect(from_page_, &QSpinBox::valueChanged, this, [this](int v) { to_page_->setMinimum(v); });
  connect(browse_button_, &QPushButton::clicked, this, &PrintSetupDialog::browse);
  update_state();
}

void PrintSetupDialog::browse() {
  const QString dir = file_name_->text().isEmpty() ? QDir::currentPath() : file_name_->text();
  const QString path = prompter().save_file_name(this, dir, print_text::kPdfFilter, print_text::kPdfSuffix);
  if (!path.isEmpty()) {
    file_name_->setText(path);
    file_choice_->setChecked(true);
  }
}

void PrintSetupDialog::update_state() {
  const bool printer = printer_choice_->isChecked();
  const bool file = file_choice_->isChecked();
  printer_list_->setEnabled(printer);
  file_name_->setEnabled(file);
  from_page_->setEnabled(page_range_->isChecked());
  to_page_->setEnabled(page_range_->isChecked());
  copies_->setEnabled(!preview_choice_->isChecked());
  const bool ready = (printer && printer_list_->count() > 0) || preview_choice_->isChecked() ||
                     (file && !file_name_->text().trimmed().isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(ready);
}

PrintChoice PrintSetupDialog::choice() const {
  PrintChoice c;
  c.destination = printer_choice_->isChecked()   ? Destination::printer
                  : preview_choice_->isChecked() ? Destination::preview
                                                 : Destination::pdf_file;
  c.printer_name = printer_list_->currentText();
  c.pdf_path = file_name_->text().trimmed();
  c.copies = copies_->value();
  c.first_page = page_range_->isChecked() ? from_page_->value() : 1;
  c.last_page = page_range_->isChecked() ? to_page_->value() : page_count_;
  return c;
}

std::optional<PrintChoice> DialogPrintSetup::ask(QWidget* parent, const SetupRequest& request) {
  PrintSetupDialog dialog(parent, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace tirel::print
