// tirel12-cli new: writes the default parameter set of a band to a file.
#include "blok/bands.h"
#include "blok/default_blok.h"
#include "cli/commands.h"
#include "cli/texts.h"
#include "files/param_file.h"

namespace tirel::cli {

int cmd_new(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--band", nullptr, true}, {"--output", "-o", true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  if (!p.positional.empty()) return fail(inv, text::fill(text::kExtraArgument, {p.positional.front()}), kExitUsage);
  if (!p.has("--output")) return fail(inv, text::kNoOutput, kExitUsage);

  int band = kStartupBand;
  if (p.has("--band")) {
    const std::string& value = p.options.at("--band");
    if (value.size() != 1 || value[0] < '0' || value[0] >= '0' + kBandCount)
      return fail(inv, text::fill(text::kBadBand, {std::to_string(kBandCount - 1), value}), kExitUsage);
    band = value[0] - '0';
  }
  const FileResult r = save_param_file(p.options.at("--output"), new_blok(band));
  if (!r.ok) return fail(inv, r.error, kExitFailed);
  return kExitOk;
}

}  // namespace tirel::cli
