// tirel12-cli: the parameter set's files from the command line.
#include <QString>
#include <QtGlobal>
#include <iostream>
#include <span>
#include <string_view>

#include "blok/bands.h"
#include "blok/report_params.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "files/io_error.h"

namespace tirel::cli {
namespace {

// One line per command.
constexpr Command kCommands[] = {
    {"new", "[--band N] -o FILE", "записать набор параметров по умолчанию для диапазона N (0..5, по умолчанию 1)",
     cmd_new},
    {"params", "FILE [--decimal-separator C]",
     "173 параметра листа печати: имя, табуляция, значение, как их показывает главное окно", cmd_params},
    {"show", "FILE [--decimal-separator C]", "набор параметров таблицей: диапазон, 16 каналов, основные настройки",
     cmd_show},
    {"export-csv", "FILE [--chirp] [-o OUT.csv]",
     "таблица каналов в CSV (UTF-8); с --chirp — список каналов CHIRP; без -o — на стандартный вывод", cmd_export_csv},
    {"import-csv", "CSV --base FILE -o OUT [--locations 23-38,40] [--first-channel N]",
     "каналы из CSV в копию набора FILE, записать в OUT; при любой ошибке в ячейке ничего не пишется. "
     "Список CHIRP узнаётся по заголовку: вносятся строки --locations (иначе первые подходящие) с канала N, "
     "пропущенные перечисляются; код выхода 0 — внесена хотя бы одна, 1 — ни одной, 2 — негодный файл",
     cmd_import_csv},
    {"diff", "A.t12 B.t12 [--decimal-separator C]",
     "различия двух наборов словами; код выхода 0 — одинаковы, 1 — различаются, 2 — ошибка", cmd_diff},
    {"read", "--port PORT -o FILE", "прочитать радиостанцию через кабель программатора в файл (PORT: /dev/ttyUSB0 или COM1)",
     cmd_read},
    {"write", "--port PORT FILE [--verify] [--decimal-separator C]",
     "записать файл в радиостанцию через кабель программатора; с --verify затем прочитать её и сверить с файлом",
     cmd_write},
    {"verify", "--port PORT FILE [--decimal-separator C]",
     "прочитать радиостанцию и сверить с файлом: код выхода 0 — соответствует, 1 — различается или не прочитана",
     cmd_verify},
    {"print", "FILE --pdf OUT.pdf [--decimal-separator C]", "лист параметров для печати в файл PDF (A4, одна страница)",
     cmd_print},
};

void print_help(std::ostream& out) {
  out << "Использование: tirel12-cli КОМАНДА [АРГУМЕНТЫ]\n       tirel12-cli --version\n\nКоманды:\n";
  for (const Command& c : kCommands) out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
  out << "\nДиапазоны:\n";
  for (int i = 0; i < kBandCount; ++i) out << "  " << i << "  " << kBands[static_cast<std::size_t>(i)].text << '\n';
  out << "\n--decimal-separator C задаёт десятичный разделитель в текстах субтонов "
         "(по умолчанию — разделитель системы).\n"
         "PORT вида COMn — устройство, которое называет раздел [Ports] файла ./config.ini, иначе /dev/ttyUSB(n-1),\n"
         "/dev/ttyACM(n-1) или /dev/ttyS(n-1).\n"
         "Файл результата не может быть одним из входных файлов команды (кроме --base у import-csv).\n"
         "Код выхода: 0 — выполнено, 1 — ошибка файла или обмена с радиостанцией, 2 — ошибка в командной строке.\n";
}

bool is_help(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

// The toolkit's own notes (fonts, painters, a runtime folder it had to pick) are not the command's
// answer and would only puzzle whoever reads the error stream; a fatal error still ends the run.
void quiet_toolkit(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) std::cerr << "tirel12-cli: " << text.toStdString() << '\n';
}

// Runs the command, then makes sure its standard output really went out.
int run_command(const Command& c, std::vector<std::string> args) {
  StandardOutput stdout_buffer;
  std::ostream out(&stdout_buffer);
  Invocation inv{std::move(args), out, std::cerr};
  const int code = c.run(inv);
  out.flush();
  if (const int err = stdout_buffer.finish(); err != 0) {
    fail(inv, "Не удаётся записать стандартный вывод: " + io_cause(err), kExitFailed);
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
    std::cout << kProgramLine << '\n' << kVersionLine << '\n';
    return kExitOk;
  }
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    const std::vector<std::string> args(argv.begin() + 2, argv.end());
    for (const std::string& a : args) {
      if (a == "--help" || a == "-h") {
        std::cout << "Использование: tirel12-cli " << c.name << ' ' << c.usage << '\n' << c.summary << '\n';
        return kExitOk;
      }
    }
    qInstallMessageHandler(quiet_toolkit);
    return run_command(c, args);
  }
  std::cerr << "tirel12-cli: Неизвестная команда «" << name << "»; список команд: tirel12-cli --help\n";
  return kExitUsage;
}

}  // namespace
}  // namespace tirel::cli

int main(int argc, char** argv) { return tirel::cli::run(std::span<char*>(argv, static_cast<std::size_t>(argc))); }
