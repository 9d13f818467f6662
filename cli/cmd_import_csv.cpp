// tirel12-cli import-csv: a CSV channel table entered into a parameter set, written to a new file.
#include "cli/chirp_import.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "files/chirp_csv.h"
#include "files/csv.h"
#include "files/param_file.h"

namespace tirel::cli {

int cmd_import_csv(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--base", nullptr, true},
                                                   {"--output", "-o", true},
                                                   {"--locations", nullptr, true},
                                                   {"--first-channel", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  if (p.positional.size() != 1)
    return fail(inv, p.positional.empty() ? "Не указан файл CSV" : "Лишние аргументы после имени файла CSV",
                kExitUsage);
  if (!p.has("--base")) return fail(inv, "Не указан исходный набор: --base FILE", kExitUsage);
  if (!p.has("--output")) return fail(inv, "Не указан файл результата: -o FILE", kExitUsage);
  const std::string& csv_path = p.positional.front();
  // The base may be its own output: that is an update in place, and the base is read first.
  if (output_is_an_input(inv, p.options.at("--output"), {csv_path})) return kExitUsage;

  const auto base = open_param_file(inv, p.options.at("--base"));
  if (!base) return kExitFailed;
  std::string text;
  if (const FileResult r = load_csv_file(csv_path, text); !r.ok) return fail(inv, r.error, kExitFailed);

  if (chirp::looks_like_chirp(text)) return import_chirp_list(inv, p, csv_path, text, *base);
  if (p.has("--locations") || p.has("--first-channel"))
    return fail(inv, "Параметры «--locations» и «--first-channel» — только для списков CHIRP, а «" + csv_path +
                         "» не такой список",
                kExitUsage);
  const CsvImport imported = import_csv(text, *base);
  if (!imported.ok) {
    inv.err << csv_path << ": " << csv_encoding_text(imported) << '\n';
    for (const CsvError& e : imported.errors) inv.err << csv_path << ": " << csv_error_text(e) << '\n';
    return fail(inv, "Ошибок в файле CSV: " + std::to_string(imported.errors.size()) + "; файл «" +
                         p.options.at("--output") + "» не записан",
                kExitFailed);
  }
  if (const FileResult r = save_param_file(p.options.at("--output"), imported.blok); !r.ok)
    return fail(inv, r.error, kExitFailed);
  inv.out << csv_encoding_text(imported) << '\n' << "Каналов в таблице: " << imported.channels << " из 16; записан «" << p.options.at("--output") << "»\n";
  return kExitOk;
}

}  // namespace tirel::cli
