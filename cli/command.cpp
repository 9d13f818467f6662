#include "cli/command.h"
#include "cli/texts.h"

#include <QLocale>

#include "files/param_file.h"

namespace tirel::cli {

ParsedArgs parse_args(const std::vector<std::string>& args, std::initializer_list<OptionSpec> specs) {
  ParsedArgs p;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options_end || a.size() < 2 || a[0] != '-') {
      p.positional.push_back(a);
      continue;
    }
    if (a == "--") {
      options_end = true;
      continue;
    }
    const auto eq = a.find('=');
    const std::string word = a.substr(0, eq);
    const OptionSpec* spec = nullptr;
    for (const OptionSpec& s : specs)
      if (word == s.name || (s.short_name && word == s.short_name)) spec = &s;
    if (!spec) {
      p.error = text::fill(text::kUnknownOption, {word});
      return p;
    }
    // A second value would silently win over the first; which one was meant is not ours to guess.
    if (p.has(spec->name)) {
      p.error = text::fill(text::kOptionTwice, {word});
      return p;
    }
    if (!spec->takes_value) {
      if (eq != std::string::npos) {
        p.error = text::fill(text::kOptionTakesNoValue, {word});
        return p;
      }
      p.options[spec->name] = "";
      continue;
    }
    if (eq != std::string::npos) {
      p.options[spec->name] = a.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      p.options[spec->name] = args[++i];
    } else {
      p.error = text::fill(text::kOptionNeedsValue, {word});
      return p;
    }
    if (p.options[spec->name].empty()) {
      p.error = text::fill(text::kOptionEmpty, {word});
      return p;
    }
  }
  return p;
}

int fail(Invocation& inv, const std::string& message, int code) {
  inv.err << text::kToolPrefix << message << "\n";
  return code;
}

std::size_t text_width(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<std::string> decimal_separator(Invocation& inv, const ParsedArgs& parsed) {
  const auto it = parsed.options.find("--decimal-separator");
  if (it == parsed.options.end()) return QLocale::system().decimalPoint().toStdString();
  if (text_width(it->second) != 1) {
    fail(inv, text::fill(text::kBadSeparator, {it->second}), kExitUsage);
    return std::nullopt;
  }
  return it->second;
}

std::optional<std::string> one_file_argument(Invocation& inv, const ParsedArgs& parsed) {
  if (parsed.positional.size() == 1) return parsed.positional.front();
  fail(inv, parsed.positional.empty() ? text::kNoParamFile : text::kExtraAfterFile, kExitUsage);
  return std::nullopt;
}

std::optional<Blok> open_param_file(Invocation& inv, const std::string& path) {
  Blok b{};
  const FileResult r = load_param_file(path, b);
  if (!r.ok) {
    fail(inv, r.error, kExitFailed);
    return std::nullopt;
  }
  return b;
}

}  // namespace tirel::cli
