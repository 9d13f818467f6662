// tirel12-cli print: the parameter sheet of a parameter file, written as a PDF file, with the
// same texts the window would hand to the printer.
#include <QGuiApplication>
#include <memory>

#include "blok/report_params.h"
#include "blok/window_view.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "cli/texts.h"
#include "print/report_project.h"
#include "print/sheet_command.h"

namespace tirel::cli {
namespace {

// Fonts and the PDF writer need a GUI application; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> gui_application() {
  if (QCoreApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tirel12-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int cmd_print(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--pdf", nullptr, true}, {"--decimal-separator", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  const auto file = one_file_argument(inv, p);
  if (!file) return kExitUsage;
  if (!p.has("--pdf") || p.options.at("--pdf").empty()) return fail(inv, text::kNoPdf, kExitUsage);
  const auto sep = decimal_separator(inv, p);
  if (!sep) return kExitUsage;
  if (output_is_an_input(inv, p.options.at("--pdf"), {*file})) return kExitUsage;
  const auto b = open_param_file(inv, *file);
  if (!b) return kExitFailed;

  const auto app = gui_application();
  print::ReportSystem system;
  print::ReportProject project(system);
  print::Outcome done = project.open();
  if (done.ok()) {
    print::set_report_params(project, report_params(view_after_open(*b, *sep)));
    done = project.export_pdf(QString::fromStdString(p.options.at("--pdf")));
  }
  project.close();
  if (!done.ok()) return fail(inv, done.error.toStdString(), kExitFailed);
  return kExitOk;
}

}  // namespace tirel::cli
