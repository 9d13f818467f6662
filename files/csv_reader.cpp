#include "files/csv_reader.h"

#include "files/csv_text.h"

namespace tirel::csv {
namespace {

std::string trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return std::string(s.substr(first, last - first + 1));
}

}  // namespace

ReadResult read_csv(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const char sep = sniff_separator(text);
  ReadResult result;
  result.separator = sep;
  int line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    Row row{line, {}};
    bool row_done = false;
    while (!row_done) {
      std::string cell;
      const int column = static_cast<int>(row.cells.size()) + 1;
      std::size_t lead = i;
      while (lead < text.size() && (text[lead] == ' ' || (text[lead] == '\t' && sep != '\t'))) ++lead;
      if (lead < text.size() && text[lead] == '"') {
        const int quote_line = line;
        i = lead + 1;
        bool closed = false;
        while (i < text.size()) {
          const char c = text[i++];
          if (c == '"') {
            if (i < text.size() && text[i] == '"') {
              cell += '"';
              ++i;
              continue;
            }
            closed = true;
            break;
          }
          if (c == '\n' || (c == '\r' && (i >= text.size() || text[i] != '\n'))) ++line;
          cell += c;
        }
        if (!closed) {
          result.open_quote = std::make_pair(quote_line, column);
          return result;
        }
        // Anything between the closing quote and the separator belongs to the cell.
        std::size_t end = i;
        while (end < text.size() && text[end] != sep && text[end] != '\n' && text[end] != '\r') ++end;
        cell = trimmed(cell + std::string(text.substr(i, end - i)));
        i = end;
      } else {
        std::size_t end = i;
        while (end < text.size() && text[end] != sep && text[end] != '\n' && text[end] != '\r') ++end;
        cell = trimmed(text.substr(i, end - i));
        i = end;
      }
      row.cells.push_back(std::move(cell));
      if (i < text.size() && text[i] == sep) {
        ++i;
        continue;
      }
      row_done = true;
      if (i < text.size() && text[i] == '\r') ++i;
      if (i < text.size() && text[i] == '\n') ++i;
      ++line;
    }
    result.rows.push_back(std::move(row));
  }
  return result;
}

}  // namespace tirel::csv
