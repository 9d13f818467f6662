// tirel12-cli: the parameter set's files from the command line.
#include <QString>
#include <QtGlobal>
#include <iostream>
#include <span>
#include <string_view>

#include "blok/bands.h"
#include "blok/texts.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "cli/texts.h"
#include "files/io_error.h"

namespace tirel::cli {
namespace {

// One line per command.
constexpr Command kCommands[] = {
    {"new", "[--band N] -o FILE", text::kNewSummary, cmd_new},
    {"params", "FILE [--decimal-separator C]", text::kParamsSummary, cmd_params},
    {"show", "FILE [--decimal-separator C]", text::kShowSummary, cmd_show},
    {"export-csv", "FILE [--chirp] [-o OUT.csv]", text::kExportCsvSummary, cmd_export_csv},
    {"import-csv", "CSV --base FILE -o OUT [--locations 23-38,40] [--first-channel N]", text::kImportCsvSummary,
     cmd_import_csv},
    {"diff", "A.t12 B.t12 [--decimal-separator C]", text::kDiffSummary, cmd_diff},
    {"read", "--port PORT -o FILE", text::kReadSummary, cmd_read},
    {"write", "--port PORT FILE [--verify] [--decimal-separator C]", text::kWriteSummary, cmd_write},
    {"verify", "--port PORT FILE [--decimal-separator C]", text::kVerifySummary, cmd_verify},
    {"print", "FILE --pdf OUT.pdf [--decimal-separator C]", text::kPrintSummary, cmd_print},
};

void print_help(std::ostream& out) {
  out << text::kUsage;
  for (const Command& c : kCommands) out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
  out << text::kBandsHeading;
  for (int i = 0; i < kBandCount; ++i) out << "  " << i << "  " << kBands[static_cast<std::size_t>(i)].text << '\n';
  out << text::kHelpNotes;
}

bool is_help(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

// The toolkit's own notes (fonts, painters, a runtime folder it had to pick) are not the command's
// answer and would only puzzle whoever reads the error stream; a fatal error still ends the run.
void quiet_toolkit(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << text::kToolPrefix << message.toStdString() << '\n';
}

// Runs the command, then makes sure its standard output really went out.
int run_command(const Command& c, std::vector<std::string> args) {
  StandardOutput stdout_buffer;
  std::ostream out(&stdout_buffer);
  Invocation inv{std::move(args), out, std::cerr};
  const int code = c.run(inv);
  out.flush();
  if (const int err = stdout_buffer.finish(); err != 0) {
    fail(inv, text::fill(text::kStdoutFailed, {io_cause(err)}), kExitFailed);
    // diff answers in its status with 1, so its trouble is 2, as with every other trouble of diff.
    return std::string_view(c.name) == "diff" ? kExitUsage : kExitFailed;
  }
  return code;
}

int run(std::span<char*> argv) {
  if (argv.size() < 2) {
    print_help(std::cerr);
    return kExitUsage;
  }
  const std::string_view name = argv[1];
  if (is_help(name)) {
    print_help(std::cout);
    return kExitOk;
  }
  if (name == "--version") {
    std::cout << blok_text::kProgramLine << '\n' << blok_text::kVersionLine << '\n';
    return kExitOk;
  }
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    const std::vector<std::string> args(argv.begin() + 2, argv.end());
    for (const std::string& a : args) {
      if (a == "--help" || a == "-h") {
        std::cout << text::fill(text::kCommandUsage, {c.name, c.usage, c.summary});
        return kExitOk;
      }
    }
    qInstallMessageHandler(quiet_toolkit);
    return run_command(c, args);
  }
  std::cerr << text::kToolPrefix << text::fill(text::kUnknownCommand, {name}) << '\n';
  return kExitUsage;
}

}  // namespace
}  // namespace tirel::cli

int main(int argc, char** argv) { return tirel::cli::run(std::span<char*>(argv, static_cast<std::size_t>(argc))); }
