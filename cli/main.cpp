// tirel12-cli: the parameter set's files from the command line.
#include <iostream>
#include <span>
#include <string_view>

#include "blok/bands.h"
#include "blok/report_params.h"
#include "cli/commands.h"

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
         "Код выхода: 0 — выполнено, 1 — ошибка файла или обмена с радиостанцией, 2 — ошибка в командной строке.\n";
}

bool is_help(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

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
    Invocation inv{{argv.begin() + 2, argv.end()}, std::cout, std::cerr};
    for (const std::string& a : inv.args) {
      if (a == "--help" || a == "-h") {
        std::cout << "Использование: tirel12-cli " << c.name << ' ' << c.usage << '\n' << c.summary << '\n';
        return kExitOk;
      }
    }
    return c.run(inv);
  }
  std::cerr << "tirel12-cli: неизвестная команда \"" << name << "\"; список команд: tirel12-cli --help\n";
  return kExitUsage;
}

}  // namespace
}  // namespace tirel::cli

int main(int argc, char** argv) { return tirel::cli::run(std::span<char*>(argv, static_cast<std::size_t>(argc))); }
