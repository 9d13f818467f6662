#pragma once
// Splits a CSV text into rows of cells, keeping the line each row starts on for error messages.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tirel::csv {

struct Row {
  int line;                        // 1-based line where the row starts
  std::vector<std::string> cells;  // unquoted, blanks around unquoted cells trimmed
};

struct ReadResult {
  std::vector<Row> rows;
  // A quote left open swallows the rest of the file: where it was opened.
  std::optional<std::pair<int, int>> open_quote;  // line, column
  char separator = ',';                            // the one the cells were split at
};

// Cells are separated by a comma, or by a semicolon when the first line has more semicolons than
// commas (what a spreadsheet with a Russian locale saves). Quotes as usual: "a,b" and "" inside.
// A UTF-8 byte order mark is skipped; line ends may be CR LF, LF or CR.
ReadResult read_csv(std::string_view text);

}  // namespace tirel::csv
