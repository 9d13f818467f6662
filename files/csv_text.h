#pragma once
// What a CSV file's bytes are before they become cells: the encoding they were saved in and the
// character between cells. A spreadsheet on a Russian system saves Windows-1251 with semicolons.
#include <string>
#include <string_view>

namespace tirel::csv {

enum class Encoding { utf8, windows1251 };

struct Text {
  std::string utf8;   // the text in UTF-8, byte-order mark removed
  Encoding encoding;  // what the file was read as
};

// UTF-8 (with or without a byte-order mark) is taken as it is, also when a few of its bytes are
// damaged among many good UTF-8 characters; anything else is read as Windows-1251.
Text decode(std::string_view bytes);

// "UTF-8" or "Windows-1251".
const char* encoding_name(Encoding e);

// The first line's (outside quotes) commonest of tab, ';' and ',': a tab when it beats both, ';' when
// it beats ',', else ','.
char sniff_separator(std::string_view text);

bool valid_utf8(std::string_view s);

}  // namespace tirel::csv
