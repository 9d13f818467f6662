#include "files/config_ini.h"

#include <array>
#include <charconv>
#include <limits>
#include <vector>

#include "files/atomic_write.h"

namespace tirel {
namespace {

// Names as the file holds them, in Windows-1251: Cyrillic С, О, М, not the Latin look-alikes.
constexpr std::string_view kSection = "\xCE\xE1\xF9\xE8\xE5";  // Общие
constexpr std::array<std::string_view, 4> kKeys{
    "\xD1\xCE\xCC/USB",                  // СОМ/USB
    "\xD1\xCE\xCC-\xEF\xEE\xF0\xF2",     // СОМ-порт
    "\xD5",                              // Х
    "\xD3",                              // У
};
constexpr std::string_view kPortsSection = "Ports";

struct Line {
  std::string text;    // without the line ending
  std::string ending;  // "\r\n", "\n", "\r" or empty for a last line without one
};

std::vector<Line> split_lines(std::string_view bytes) {
  std::vector<Line> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back({std::string(bytes), {}});
      break;
    }
    const std::size_t ending = bytes.substr(end, 2) == "\r\n" ? 2 : 1;
    lines.push_back({std::string(bytes.substr(0, end)), std::string(bytes.substr(end, ending))});
    bytes.remove_prefix(end + ending);
  }
  return lines;
}

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Windows compares ini names without regard to case: Latin letters and the Cyrillic letters
// of Windows-1251 (А..Я at C0..DF, Ё at A8).
unsigned char fold(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);
  if (c == 0xA8) return 0xB8;
  return c;
}

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The section a line opens, if it is a section line.
std::optional<std::string_view> section_name(std::string_view text) {
  const std::string_view t = trim(text);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::string_view inner = t.substr(1);
  return trim(inner.substr(0, inner.find(']')));
}

struct KeyLine {
  std::string_view key;
  std::size_t value_begin;  // the trimmed value's span within the line
  std::size_t value_end;
};

std::optional<KeyLine> key_line(std::string_view text) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::size_t begin = eq + 1;
  while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  std::size_t end = text.size();
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return KeyLine{trim(text.substr(0, eq)), begin, end};
}

// Lines [first, last) of the first section called `name`, first being the section line;
// none when the file has no such section.
struct SectionSpan {
  std::size_t first;
  std::size_t last;
};

std::optional<SectionSpan> find_section(const std::vector<Line>& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto s = section_name(lines[i].text);
    if (!s || !same_name(*s, name)) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !section_name(lines[j].text)) ++j;
    return SectionSpan{i, j};
  }
  return std::nullopt;
}

// The first line of the section that holds `key`.
std::optional<std::size_t> find_key(const std::vector<Line>& lines, SectionSpan s, std::string_view key) {
  for (std::size_t i = s.first + 1; i < s.last; ++i) {
    const auto k = key_line(lines[i].text);
    if (k && same_name(k->key, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string_view> read_value(const std::vector<Line>& lines, std::string_view section,
                                           std::string_view key) {
  const auto s = find_section(lines, section);
  if (!s) return std::nullopt;
  const auto i = find_key(lines, *s, key);
  if (!i) return std::nullopt;
  const std::string_view text = lines[*i].text;
  const KeyLine k = *key_line(text);
  return text.substr(k.value_begin, k.value_end - k.value_begin);
}

// A plain decimal integer with an optional minus sign that fits in 32 bits.
std::optional<std::int32_t> parse_int(std::string_view s) {
  if (s.empty()) return std::nullopt;
  const bool negative = s.front() == '-';
  const std::string_view digits = negative ? s.substr(1) : s;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  std::int64_t v = 0;
  for (char c : digits) {
    v = v * 10 + (c - '0');
    if (v > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::array<std::int32_t*, 4> fields(Config& c) { return {&c.programmer_mode, &c.port_index, &c.x, &c.y}; }

std::string default_ending(const std::vector<Line>& lines) {
  for (const Line& l : lines)
    if (!l.ending.empty()) return l.ending;
  return "\r\n";
}

// Puts a new line after line `after`, giving that line an ending if it was the unterminated last one.
void insert_line(std::vector<Line>& lines, std::size_t after, std::string text, const std::string& ending) {
  if (lines[after].ending.empty()) lines[after].ending = ending;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, Line{std::move(text), ending});
}

}  // namespace

Config parse_config(std::string_view bytes, Config defaults) {
  const std::vector<Line> lines = split_lines(bytes);
  auto targets = fields(defaults);
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    const auto text = read_value(lines, kSection, kKeys[k]);
    if (!text) continue;
    if (const auto v = parse_int(*text)) *targets[k] = *v;
  }
  return defaults;
}

std::string render_config(std::string_view original_bytes, const Config& c) {
  std::vector<Line> lines = split_lines(original_bytes);
  const std::string ending = default_ending(lines);
  Config values = c;
  const auto v = fields(values);

  if (!find_section(lines, kSection)) {
    if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = ending;
    lines.push_back({"[" + std::string(kSection) + "]", ending});
  }
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    const SectionSpan s = *find_section(lines, kSection);
    const std::string value = std::to_string(*v[k]);
    if (const auto i = find_key(lines, s, kKeys[k])) {
      std::string& text = lines[*i].text;
      const KeyLine kl = *key_line(text);
      text.replace(kl.value_begin, kl.value_end - kl.value_begin, value);
      continue;
    }
    // A missing key goes after the section's last non-blank line, before any blank lines.
    std::size_t after = s.first;
    for (std::size_t i = s.first + 1; i < s.last; ++i)
      if (!trim(lines[i].text).empty()) after = i;
    const std::string& own_ending = lines[after].ending.empty() ? ending : lines[after].ending;
    insert_line(lines, after, std::string(kKeys[k]) + "=" + value, own_ending);
  }

  std::string out;
  for (const Line& l : lines) out += l.text + l.ending;
  return out;
}

std::optional<std::string> configured_port_device(std::string_view bytes, int port_number) {
  const std::vector<Line> lines = split_lines(bytes);
  const auto value = read_value(lines, kPortsSection, "COM" + std::to_string(port_number));
  if (!value || value->empty()) return std::nullopt;
  return std::string(*value);
}

FileResult read_or_create_config(const std::filesystem::path& path, Config& c) {
  std::error_code ec;
  if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found)
    return write_file_atomically(path, render_config({}, c));
  std::string bytes;
  if (FileResult r = read_file_prefix(path, std::numeric_limits<std::size_t>::max(), bytes); !r.ok) return r;
  c = parse_config(bytes, c);
  return Result::done();
}

FileResult write_config(const std::filesystem::path& path, const Config& c) {
  std::string bytes;
  std::error_code ec;
  // A file removed while the program ran is written anew; one that cannot be read is left alone.
  if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
    if (FileResult r = read_file_prefix(path, std::numeric_limits<std::size_t>::max(), bytes); !r.ok) return r;
  }
  return write_file_atomically(path, render_config(bytes, c));
}

}  // namespace tirel
