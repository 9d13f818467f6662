#pragma once
// The channel table as a CSV text (UTF-8, a header row, one row a channel), for editing the
// channels in a spreadsheet and bringing them back into a parameter set.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"
#include "files/csv_text.h"
#include "files/file_result.h"

namespace tirel {

// All sixteen channels, off and inhibited ones included, with every value the blok holds.
// Frequencies are megahertz with a point and six decimals; sub-tones "off", "67.0", "D023N",
// "D023I", or "raw:T:VVVV" (type and value in hex) for what the tables cannot name.
std::string export_csv(const Blok& b);

struct CsvError {
  int line;    // 1-based line of the file where the row starts
  int column;  // 1-based; 0 when the error concerns the whole row or file
  std::string message;
};

// "строка 3, столбец 4: ..."
std::string csv_error_text(const CsvError& e);

struct CsvImport {
  bool ok = false;
  Blok blok{};                   // the base set with the rows entered; only meaningful when ok
  std::vector<CsvError> errors;  // every wrong cell, in file order
  int channels = 0;              // how many channel rows the file held
  csv::Encoding encoding = csv::Encoding::utf8;  // what the file's bytes were read as
};

// "Файл CSV прочитан в кодировке Windows-1251."
std::string csv_encoding_text(const CsvImport& r);

// Enters the rows into a copy of `base` as the channel table's editors would. The bytes may be
// UTF-8 or, from a spreadsheet on a Russian system, Windows-1251 with semicolons. A cell that says
// what the base already holds is left as it is, so an export imported onto its own set gives the
// same bytes back. Every cell is checked first; with any error nothing is entered. Channels
// without a row stay as in the base.
[[nodiscard]] CsvImport import_csv(std::string_view text, const Blok& base);

// A CSV file for the channel table is small; anything much larger is not one.
inline constexpr std::uintmax_t kMaxCsvFileSize = 1 << 20;

[[nodiscard]] FileResult load_csv_file(const std::filesystem::path& path, std::string& out);
// Written safely: a failure keeps the old file as it was.
[[nodiscard]] FileResult save_csv_file(const std::filesystem::path& path, std::string_view text);

}  // namespace tirel
