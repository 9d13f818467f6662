// tirel12-cli export-csv: the channel table of a parameter file as CSV.
#include "cli/commands.h"
#include "cli/outputs.h"
#include "files/chirp_csv.h"
#include "files/csv.h"

namespace tirel::cli {

int cmd_export_csv(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--output", "-o", true}, {"--chirp", nullptr, false}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  const auto path = one_file_argument(inv, p);
  if (!path) return kExitUsage;
  if (p.has("--output") && output_is_an_input(inv, p.options.at("--output"), {*path})) return kExitUsage;
  const auto blok = open_param_file(inv, *path);
  if (!blok) return kExitFailed;

  std::string text;
  if (p.has("--chirp")) {
    chirp::Export e = chirp::export_list(*blok);
    // Values CHIRP has no form for are left out of the file: say which.
    for (const std::string& note : e.notes) inv.err << "tirel12-cli: " << note << '\n';
    text = std::move(e.text);
  } else {
    text = export_csv(*blok);
  }
  if (!p.has("--output")) {
    inv.out << text;
    return kExitOk;
  }
  const FileResult r = save_csv_file(p.options.at("--output"), text);
  if (!r.ok) return fail(inv, r.error, kExitFailed);
  return kExitOk;
}

}  // namespace tirel::cli
