// tirel12-cli new: writes the default parameter set of a band to a file.
#include "blok/bands.h"
#include "blok/default_blok.h"
#include "cli/commands.h"
#include "files/param_file.h"

namespace tirel::cli {

int cmd_new(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--band", nullptr, true}, {"--output", "-o", true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  if (!p.positional.empty()) return fail(inv, "Лишний аргумент «" + p.positional.front() + "»", kExitUsage);
  if (!p.has("--output")) return fail(inv, "Не указан файл: -o FILE", kExitUsage);

  int band = kStartupBand;
  if (p.has("--band")) {
    const std::string& text = p.options.at("--band");
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kBandCount)
      return fail(inv, "Номер диапазона должен быть от 0 до " + std::to_string(kBandCount - 1) + ", а не «" +
                           text + "»",
                  kExitUsage);
    band = text[0] - '0';
  }
  const FileResult r = save_param_file(p.options.at("--output"), new_blok(band));
  if (!r.ok) return fail(inv, r.error, kExitFailed);
  return kExitOk;
}

}  // namespace tirel::cli
