// tirel12-cli params: the parameter sheet's 173 named values, one "name<TAB>value" a line.
#include "blok/report_params.h"
#include "blok/window_view.h"
#include "cli/commands.h"

namespace tirel::cli {

int cmd_params(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--decimal-separator", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  const auto file = one_file_argument(inv, p);
  if (!file) return kExitUsage;
  const auto sep = decimal_separator(inv, p);
  if (!sep) return kExitUsage;
  const auto b = open_param_file(inv, *file);
  if (!b) return kExitFailed;

  for (const auto& [name, value] : report_params(view_after_open(*b, *sep))) inv.out << name << '\t' << value << '\n';
  return kExitOk;
}

}  // namespace tirel::cli
