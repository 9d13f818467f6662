#pragma once
// What every command of tirel12-cli gets and returns, and the helpers they share.
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "blok/blok.h"

namespace tirel::cli {

// Exit codes: 0 done, 1 a file could not be read or written, 2 the command line was wrong.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Invocation {
  std::vector<std::string> args;  // the words after the command's name
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  const char* usage;    // the arguments, as "--band N -o FILE"
  const char* summary;  // one line for --help
  int (*run)(Invocation&);
};

struct OptionSpec {
  const char* name;        // "--band"
  const char* short_name;  // "-o", or nullptr
  bool takes_value;
};

struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // by long name; "" for options without a value
  std::string error;                           // empty when the words were understood

  bool has(const std::string& name) const { return options.count(name) != 0; }
};

// Splits the words into options of `specs` (also "--name=value") and positional arguments.
ParsedArgs parse_args(const std::vector<std::string>& args, std::initializer_list<OptionSpec> specs);

// Prints "tirel12-cli: <message>" to the error stream and returns `code`.
int fail(Invocation& inv, const std::string& message, int code);

// The decimal separator for sub-tone texts: the option's single character, or the system's.
// None (after printing why) when the option is not exactly one character.
std::optional<std::string> decimal_separator(Invocation& inv, const ParsedArgs& parsed);

// The one positional argument, a file name; none (after printing why) for none or several.
std::optional<std::string> one_file_argument(Invocation& inv, const ParsedArgs& parsed);

// The blok of a parameter file; none (after printing why) when it cannot be opened.
std::optional<Blok> open_param_file(Invocation& inv, const std::string& path);

// Characters, not bytes, of a UTF-8 text: what a terminal column count needs.
std::size_t text_width(const std::string& s);

}  // namespace tirel::cli
