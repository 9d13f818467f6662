// tirel12-cli import-csv: a CSV channel table entered into a parameter set, written to a new file.
#include "cli/chirp_import.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "cli/texts.h"
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
    return fail(inv, p.positional.empty() ? text::kNoCsvFile : text::kExtraAfterCsv, kExitUsage);
  if (!p.has("--base")) return fail(inv, text::kNoBase, kExitUsage);
  if (!p.has("--output")) return fail(inv, text::kNoResultFile, kExitUsage);
  const std::string& csv_path = p.positional.front();
  // The base may be its own output: that is an update in place, and the base is read first.
  if (output_is_an_input(inv, p.options.at("--output"), {csv_path})) return kExitUsage;

  const auto base = open_param_file(inv, p.options.at("--base"));
  if (!base) return kExitFailed;
  std::string csv_text;
  if (const FileResult r = load_csv_file(csv_path, csv_text); !r.ok) return fail(inv, r.error, kExitFailed);

  if (chirp::looks_like_chirp(csv_text)) return import_chirp_list(inv, p, csv_path, csv_text, *base);
  if (p.has("--locations") || p.has("--first-channel"))
    return fail(inv, text::fill(text::kChirpOptionsOnly, {csv_path}), kExitUsage);
  const CsvImport imported = import_csv(csv_text, *base);
  if (!imported.ok) {
    inv.err << csv_path << ": " << csv_encoding_text(imported) << '\n';
    for (const CsvError& e : imported.errors) inv.err << csv_path << ": " << csv_error_text(e) << '\n';
    return fail(inv, text::fill(text::kCsvErrors, {std::to_string(imported.errors.size()), p.options.at("--output")}),
                kExitFailed);
  }
  if (const FileResult r = save_param_file(p.options.at("--output"), imported.blok); !r.ok)
    return fail(inv, r.error, kExitFailed);
  inv.out << csv_encoding_text(imported) << '\n'
          << text::fill(text::kCsvImported, {std::to_string(imported.channels), p.options.at("--output")}) << '\n';
  return kExitOk;
}

}  // namespace tirel::cli
