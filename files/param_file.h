#pragma once
// Parameter files (*.t12): the blok written out byte for byte, 1536 bytes, no header.
#include <filesystem>

#include "blok/blok.h"
#include "files/file_result.h"

namespace tirel {

// Reads the first 1536 bytes into `out`. A shorter or unreadable file is an error and `out`
// is left exactly as it was. Bytes past 1536 are ignored.
[[nodiscard]] FileResult load_param_file(const std::filesystem::path& path, Blok& out);

// Writes exactly 1536 bytes through a temporary file beside the target, renamed over it,
// so a failed save leaves the previous file intact.
[[nodiscard]] FileResult save_param_file(const std::filesystem::path& path, const Blok& b);

}  // namespace tirel
