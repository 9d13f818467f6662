#pragma once
// The output system: asks the setup window where a report goes, generates its pages with the
// status window, and prints them, writes them to a PDF file or shows them in the preview.
#include <QString>

#include "print/print_setup.h"
#include "print/sheet_painter.h"
#include "print/texts.h"

class QPrinter;
class QWidget;

namespace tirel::print {

struct SystemSettings {
  QString setup_title = print_text::kSetupTitle;
  QString status_title = print_text::kStatusTitle;
  QString preview_title = print_text::kPreviewTitle;
  Destination default_destination = Destination::printer;
  QString generating_status = print_text::kGeneratingStatus;
  QString printing_status = print_text::kPrintingStatus;
  double preview_zoom = 1.0;  // 100 %
  QString job_title = print_text::kJobTitle;
};

// An empty error means done (or cancelled by the user in the setup window).
struct [[nodiscard]] Outcome {
  QString error;
  bool ok() const { return error.isEmpty(); }
};

class ReportSystem {
 public:
  ReportSystem();

  const SystemSettings& settings() const { return settings_; }
  // The setup window's answers come from `setup` (not owned); nullptr shows the real window.
  void set_setup(PrintSetup* setup) { setup_ = setup; }

  Outcome run(const ReportLayout& layout, const ReportValues& values, QWidget* parent);

  // Writes all pages into a PDF file, without windows (the command-line tool).
  Outcome write_pdf(const ReportLayout& layout, const ReportValues& values, const QString& path) const;

 private:
  void prepare(QPrinter& printer) const;
  Outcome output(QPrinter& printer, const ReportLayout& layout, const ReportValues& values, const PrintChoice& choice,
                 QWidget* parent) const;
  void show_preview(QPrinter& printer, const ReportLayout& layout, const ReportValues& values,
                    const PrintChoice& choice, QWidget* parent) const;

  SystemSettings settings_;
  DialogPrintSetup dialog_setup_;
  PrintSetup* setup_ = nullptr;
};

}  // namespace tirel::print
