#pragma once
// The lines of an exported text, cut at its CRLF line ends.
#include <string>
#include <vector>

namespace tirel::test {

inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace tirel::test
