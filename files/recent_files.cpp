#include "files/recent_files.h"

#include <algorithm>
#include <limits>

#include "files/atomic_write.h"

namespace tirel {
namespace {

constexpr std::string_view kRecentSection = "[\xCD\xE5\xE4\xE0\xE2\xED\xE8\xE5 \xF4\xE0\xE9\xEB\xFB]";  // Недавние файлы

// The file as whole lines, each with its own line end.
std::vector<std::string_view> lines_of(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) end = bytes.size();
    else if (bytes.substr(end, 2) == "\r\n") end += 2;
    else end += 1;
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end);
  }
  return lines;
}

std::string_view content(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ' || line.back() == '\t'))
    line.remove_suffix(1);
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

bool opens_section(std::string_view line) { return content(line).starts_with('['); }

}  // namespace

std::vector<std::string> parse_recent_files(std::string_view config_bytes) {
  std::vector<std::string> found(kRecentFileCount);
  bool inside = false;
  for (std::string_view line : lines_of(config_bytes)) {
    if (opens_section(line)) {
      inside = content(line) == kRecentSection;
      continue;
    }
    const std::string_view text = content(line);
    const std::size_t eq = text.find('=');
    if (!inside || eq == std::string_view::npos) continue;
    const std::string_view key = content(text.substr(0, eq));
    if (key.size() != 1 || key[0] < '1' || key[0] > '0' + static_cast<int>(kRecentFileCount)) continue;
    found[static_cast<std::size_t>(key[0] - '1')] = std::string(content(text.substr(eq + 1)));
  }
  std::vector<std::string> list;
  for (const std::string& p : found)
    if (!p.empty() && std::find(list.begin(), list.end(), p) == list.end()) list.push_back(p);
  return list;
}

std::string render_recent_files(std::string_view config_bytes, const std::vector<std::string>& paths) {
  std::string out;
  bool inside = false;
  for (std::string_view line : lines_of(config_bytes)) {
    if (opens_section(line)) inside = content(line) == kRecentSection;
    if (!inside) out += line;
  }
  if (paths.empty()) return out;
  if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
  out += std::string(kRecentSection) + "\r\n";
  for (std::size_t i = 0; i < paths.size() && i < kRecentFileCount; ++i)
    out += std::to_string(i + 1) + "=" + paths[i] + "\r\n";
  return out;
}

std::vector<std::string> with_recent_file(std::vector<std::string> list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  list.insert(list.begin(), path);
  if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
  return list;
}

FileResult read_recent_files(const std::filesystem::path& config, std::vector<std::string>& out) {
  std::string bytes;
  std::error_code ec;
  if (std::filesystem::symlink_status(config, ec).type() == std::filesystem::file_type::not_found) {
    out.clear();
    return FileResult::done();
  }
  if (FileResult r = read_file_prefix(config, std::numeric_limits<std::size_t>::max(), bytes); !r.ok) return r;
  out = parse_recent_files(bytes);
  return FileResult::done();
}

FileResult write_recent_files(const std::filesystem::path& config, const std::vector<std::string>& paths) {
  std::string bytes;
  std::error_code ec;
  if (std::filesystem::symlink_status(config, ec).type() != std::filesystem::file_type::not_found) {
    if (FileResult r = read_file_prefix(config, std::numeric_limits<std::size_t>::max(), bytes); !r.ok) return r;
  }
  const std::string rendered = render_recent_files(bytes, paths);
  if (rendered == bytes) return FileResult::done();
  return write_file_atomically(config, rendered);
}

}  // namespace tirel
