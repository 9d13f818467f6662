#include "cli/texts.h"

namespace tirel::cli::text {

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (k < values.size()) {
        out += values.begin()[k];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace tirel::cli::text
