// tirel12-cli diff: the differences between two parameter files in words.
#include "blok/compare.h"
#include "cli/commands.h"
#include "cli/texts.h"

namespace tirel::cli {

namespace {
// As diff(1) does: the answer is in the status, trouble is 2.
constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;
}  // namespace

int cmd_diff(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--decimal-separator", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kTrouble);
  if (p.positional.size() != 2) return fail(inv, text::kTwoFiles, kTrouble);
  const auto sep = decimal_separator(inv, p);
  if (!sep) return kTrouble;
  const auto a = open_param_file(inv, p.positional[0]);
  if (!a) return kTrouble;
  const auto b = open_param_file(inv, p.positional[1]);
  if (!b) return kTrouble;

  const Comparison c = compare_bloks(*a, *b, *sep);
  for (const std::string& line : c.lines) inv.out << line << '\n';
  if (const std::string note = hidden_note(c); !note.empty()) inv.out << note << '\n';
  return c.identical() ? kSame : kDiffer;
}

}  // namespace tirel::cli
