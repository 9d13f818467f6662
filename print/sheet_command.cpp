#include "print/sheet_command.h"

#include <QMessageBox>

#include "print/report_project.h"
#include "print/texts.h"
#include "prompt/prompter.h"

namespace tirel::print {
namespace {

void show_engine_error(QWidget* parent, const QString& text) {
  prompter().message(parent, QMessageBox::Critical, print_text::kErrorCaption, text, QMessageBox::Ok);
}

}  // namespace

void set_report_params(ReportProject& project, const ReportParams& params) {
  for (const auto& [name, text] : params)
    project.set_parameter(QString::fromStdString(name), QString::fromStdString(text));
}

void print_sheet(ReportProject& project, const WindowView& view, QWidget* parent) {
  if (Outcome opened = project.open(); !opened.ok()) return show_engine_error(parent, opened.error);
  set_report_params(project, report_params(view));
  if (Outcome done = project.execute(parent); !done.ok()) return show_engine_error(parent, done.error);
  project.close();
}

}  // namespace tirel::print
