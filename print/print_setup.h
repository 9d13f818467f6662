#pragma once
// The setup window's question: where the report goes (a printer, the preview or a PDF file),
// how many copies and which pages. Tests answer it through their own PrintSetup.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tirel::print {

enum class Destination { printer, preview, pdf_file };

struct PrintChoice {
  Destination destination = Destination::printer;
  QString printer_name;  // for the printer
  QString pdf_path;      // for a PDF file
  int copies = 1;
  int first_page = 1;  // 1-based, inclusive
  int last_page = 1;
};

struct SetupRequest {
  QString title;
  int page_count = 1;
  QStringList printers;  // installed printers; may be empty
  QString default_printer;
  Destination default_destination = Destination::printer;
};

class PrintSetup {
 public:
  virtual ~PrintSetup() = default;
  // Nothing when the user cancels.
  virtual std::optional<PrintChoice> ask(QWidget* parent, const SetupRequest& request) = 0;
};

// The real setup window.
class DialogPrintSetup final : public PrintSetup {
 public:
  std::optional<PrintChoice> ask(QWidget* parent, const SetupRequest& request) override;
};

}  // namespace tirel::print
