#pragma once
// Safe replacement of a file: the new contents go to a temporary file beside the target,
// which is flushed to disk and renamed over the target only when complete.
#include <filesystem>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace tirel {

// On failure the previous file stays as it was and no temporary file is left behind.
// An existing target keeps its permissions; a symbolic link keeps pointing at the file it names.
// Only a regular file or a missing name is replaced this way: a character device or a pipe
// (/dev/null, /dev/stdout into a pipe) is written straight through and stays what it is; a folder
// or any other kind of node is refused.
[[nodiscard]] FileResult write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// Reads at most `limit` bytes of the file into `out`.
[[nodiscard]] FileResult read_file_prefix(const std::filesystem::path& path, std::size_t limit, std::string& out);

}  // namespace tirel
