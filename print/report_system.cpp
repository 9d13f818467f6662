#include "print/report_system.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QScreen>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <functional>
#include <memory>

#include "files/atomic_write.h"
#include "prompt/window_place.h"
#include "print/status_window.h"

namespace tirel::print {
namespace {

struct PageRun {
  const ReportLayout& layout;
  const ReportValues& values;
  QString date_text;
  int first_page;
  int last_page;
  int copies;
  StatusWindow* status;       // may be null: no windows
  const SystemSettings& settings;
  bool printing;              // the pages go to a printer or a file, not the preview
};

// Paints the chosen pages, `copies` times over when the printer cannot make copies itself.
// False when the painter could not start on the printer.
bool paint_pages(QPagedPaintDevice& printer, const PageRun& run) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  bool first_sheet = true;
  for (int copy = 0; copy < run.copies; ++copy) {
    for (int n = run.first_page; n <= run.last_page; ++n) {
      if (!first_sheet) printer.newPage();
      first_sheet = false;
      if (run.status) run.status->show_page(run.settings.generating_status, n);
      paint_page(painter, run.layout.pages[std::size_t(n - 1)], run.values, run.date_text);
      if (run.status && run.printing) run.status->show_page(run.settings.printing_status, n);
    }
  }
  return painter.end();
}

std::unique_ptr<StatusWindow> status_window(QWidget* parent, const SystemSettings& settings) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  return std::make_unique<StatusWindow>(parent, settings.status_title);
}

// A PDF is made in memory and saved like every other file of the program: through a temporary
// file that replaces the old one only once it is complete, so a full disk is an error, not an
// empty PDF, and the previous file stays whole.
Outcome save_pdf(const QString& path, const SystemSettings& settings, const std::function<bool(QPdfWriter&)>& paint) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&bytes);
    writer.setResolution(1200);  // as a high-resolution printer
    writer.setTitle(settings.job_title);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (!paint(writer)) return {QString(print_text::kPdfNotWritten).arg(path)};
  }
  const QByteArray& pdf = bytes.data();
  const FileResult saved =
      write_file_atomically(path.toStdString(), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  if (!saved.ok) return {print_text::kPdfNotSaved + QString::fromStdString(saved.error)};
  return {};
}

}  // namespace

ReportSystem::ReportSystem() = default;

void ReportSystem::prepare(QPrinter& printer) const {
  printer.setDocName(settings_.job_title);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  // Positions are measured from the paper's corner; any margin would shift and round them.
  printer.setFullPage(true);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

Outcome ReportSystem::run(const ReportLayout& layout, const ReportValues& values, QWidget* parent) {
  if (layout.pages.empty()) return {print_text::kNoPages};
  SetupRequest request;
  request.title = settings_.setup_title;
  request.page_count = int(layout.pages.size());
  request.printers = QPrinterInfo::availablePrinterNames();
  request.default_printer = QPrinterInfo::defaultPrinterName();
  request.default_destination = settings_.default_destination;
  PrintSetup& setup = setup_ ? *setup_ : dialog_setup_;
  std::optional<PrintChoice> choice = setup.ask(parent, request);
  if (!choice) return {};
  choice->first_page = std::clamp(choice->first_page, 1, request.page_count);
  choice->last_page = std::clamp(choice->last_page, choice->first_page, request.page_count);
  choice->copies = std::max(1, choice->copies);

  switch (choice->destination) {
    case Destination::printer: {
      const QPrinterInfo info = QPrinterInfo::printerInfo(choice->printer_name);
      if (info.isNull()) return {QString(print_text::kPrinterMissing).arg(choice->printer_name)};
      QPrinter printer(info, QPrinter::HighResolution);
      return output(printer, layout, values, *choice, parent);
    }
    case Destination::pdf_file: {
      const auto status = status_window(parent, settings_);
      // A file makes no copies of its own: each copy is a page of its own.
      const PageRun run{.layout = layout,
                        .values = values,
                        .date_text = print_date_text(),
                        .first_page = choice->first_page,
                        .last_page = choice->last_page,
                        .copies = choice->copies,
                        .status = status.get(),
                        .settings = settings_,
                        .printing = true};
      return save_pdf(choice->pdf_path, settings_, [&](QPdfWriter& w) { return paint_pages(w, run); });
    }
    case Destination::preview: {
      QPrinter printer(QPrinter::HighResolution);
      show_preview(printer, layout, values, *choice, parent);
      return {};
    }
  }
  return {};
}

Outcome ReportSystem::output(QPrinter& printer, const ReportLayout& layout, const ReportValues& values,
                             const PrintChoice& choice, QWidget* parent) const {
  prepare(printer);
  printer.setCopyCount(choice.copies);
  const bool printer_copies = printer.supportsMultipleCopies();
  if (!printer_copies) printer.setCopyCount(1);
  const auto status = status_window(parent, settings_);
  const PageRun run{.layout = layout,
                    .values = values,
                    .date_text = print_date_text(),
                    .first_page = choice.first_page,
                    .last_page = choice.last_page,
                    .copies = printer_copies ? 1 : choice.copies,
                    .status = status.get(),
                    .settings = settings_,
                    .printing = true};
  const bool done = paint_pages(printer, run) && printer.printerState() != QPrinter::Error;
  if (done) return {};
  return {QString(print_text::kPrintFailed).arg(printer.printerName())};
}

void ReportSystem::show_preview(QPrinter& printer, const ReportLayout& layout, const ReportValues& values,
                                const PrintChoice& choice, QWidget* parent) const {
  prepare(printer);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(settings_.preview_title);
  const QString date_text = print_date_text();
  // The preview asks for the pages again whenever it needs them, and its own print button
  // sends them to the printer it chose.
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
    const auto status = status_window(&dialog, settings_);
    const PageRun run{layout, values, date_text, choice.first_page, choice.last_page, 1, status.get(), settings_,
                      false};
    paint_pages(*target, run);
  });
  if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
    view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view->setZoomFactor(settings_.preview_zoom);
    // The tool bar's fit buttons would otherwise show a fit that is not in force.
    for (QAction* a : dialog.findChildren<QAction*>())
      if (a->objectName() == "fitWidthAction" || a->objectName() == "fitPageAction") a->setChecked(false);
  }
  // Room for a full-size A4 page's width, with the frame and title bar within the screen's
  // available area, so that the bottom and the scroll bar stay in reach.
  fit_on_screen(&dialog, QSize(900, 1000));
  dialog.exec();
}

Outcome ReportSystem::write_pdf(const ReportLayout& layout, const ReportValues& values, const QString& path) const {
  if (layout.pages.empty()) return {print_text::kNoPages};
  const PageRun run{layout, values, print_date_text(), 1, int(layout.pages.size()), 1, nullptr, settings_, true};
  return save_pdf(path, settings_, [&](QPdfWriter& w) { return paint_pages(w, run); });
}

}  // namespace tirel::print
