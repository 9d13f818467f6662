#pragma once
// config.ini: section "Общие" with four integers, stored in Windows-1251 with CR LF lines.
// Everything else in the file belongs to the user and is kept byte for byte.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace tirel {

struct Config {
  std::int32_t programmer_mode = 1;  // "СОМ/USB": 1 COM programmer, 0 USB programmer
  std::int32_t port_index = 0;       // "СОМ-порт": 0 = COM1
  std::int32_t x = 10;               // "Х": window left
  std::int32_t y = 10;               // "У": window top
};

// The four values read from the file's bytes; a missing key or a value that is not an
// integer keeps the value from `defaults`.
Config parse_config(std::string_view bytes, Config defaults);

// The file's bytes with the four values replaced, or added (section included) where missing.
std::string render_config(std::string_view original_bytes, const Config& c);

// The device path that section [Ports], key COM<n>, gives for port number n (1-based).
std::optional<std::string> configured_port_device(std::string_view bytes, int port_number);

// Reads the file into `c`, or creates it with the values in `c` when it is missing.
[[nodiscard]] FileResult read_or_create_config(const std::filesystem::path& path, Config& c);

// Replaces the four values in the file, through a temporary file renamed over it.
[[nodiscard]] FileResult write_config(const std::filesystem::path& path, const Config& c);

}  // namespace tirel
