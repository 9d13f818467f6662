#include "files/csv_text.h"

#include <array>
#include <cstdint>

namespace tirel::csv {
namespace {

// Bytes 0x80..0xFF of Windows-1251 as Unicode; 0x98 has no character and reads as U+FFFD.
constexpr std::array<std::uint16_t, 128> kWindows1251{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// How many well-formed multi-byte UTF-8 characters and how many bytes that fit none the text holds.
struct Utf8Count {
  std::size_t characters = 0;
  std::size_t stray_bytes = 0;
};

Utf8Count count_utf8(std::string_view s) {
  Utf8Count n;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if ((c >> 5) == 6) extra = 1;
    else if ((c >> 4) == 14) extra = 2;
    else if ((c >> 3) == 30) extra = 3;
    bool whole = c < 0x80 || extra > 0;
    for (std::size_t k = 1; whole && k <= extra; ++k)
      whole = i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    if (c < 0x80) {
      ++i;
    } else if (whole) {
      ++n.characters;
      i += extra + 1;
    } else {
      ++n.stray_bytes;
      ++i;
    }
  }
  return n;
}

}  // namespace

bool valid_utf8(std::string_view s) { return count_utf8(s).stray_bytes == 0; }

Text decode(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  // Cyrillic in Windows-1251 almost never forms UTF-8 characters, while a UTF-8 file with a few
  // damaged bytes still has many: such a file stays UTF-8 and its damaged cells are told as such.
  const Utf8Count n = count_utf8(bytes);
  if (n.stray_bytes == 0 || n.characters > n.stray_bytes) return {std::string(bytes), Encoding::utf8};
  Text t{{}, Encoding::windows1251};
  t.utf8.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    append_utf8(t.utf8, c < 0x80 ? c : kWindows1251[c - 0x80]);
  }
  return t;
}

const char* encoding_name(Encoding e) { return e == Encoding::utf8 ? "UTF-8" : "Windows-1251"; }

char sniff_separator(std::string_view text) {
  int commas = 0, semicolons = 0, tabs = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    if (c == ',') ++commas;
    if (c == ';') ++semicolons;
    if (c == '\t') ++tabs;
  }
  // Cells copied from a spreadsheet come to the clipboard separated by tabs.
  if (tabs > commas && tabs > semicolons) return '\t';
  return semicolons > commas ? ';' : ',';
}

}  // namespace tirel::csv
