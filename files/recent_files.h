#pragma once
// The list of recently opened or saved parameter files, kept in config.ini in a section of its
// own, "Недавние файлы", keys 1 to 5, newest first. Paths are Windows-1251 bytes like the rest
// of the file; the other sections are kept byte for byte.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/param_file.h"

namespace tirel {

inline constexpr std::size_t kRecentFileCount = 5;

// The paths listed in the file's bytes, newest first; empty values and repeats are skipped.
std::vector<std::string> parse_recent_files(std::string_view config_bytes);

// The file's bytes with the section replaced by `paths` (at most five), or removed when the
// list is empty.
std::string render_recent_files(std::string_view config_bytes, const std::vector<std::string>& paths);

// `path` put at the top of `list`, once, and the list cut to five.
std::vector<std::string> with_recent_file(std::vector<std::string> list, const std::string& path);

[[nodiscard]] FileResult read_recent_files(const std::filesystem::path& config, std::vector<std::string>& out);
[[nodiscard]] FileResult write_recent_files(const std::filesystem::path& config, const std::vector<std::string>& paths);

}  // namespace tirel
