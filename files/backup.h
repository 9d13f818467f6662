#pragma once
// Automatic copies of the parameter set around every read and write of a radio, so a set
// that went into or came out of a radio can always be opened again like any parameter file.
#include <chrono>
#include <filesystem>
#include <string>

#include "blok/blok.h"
#include "blok/result.h"

namespace tirel {

enum class BackupKind { read, write };

struct BackupResult : Result {
  explicit BackupResult() = default;
  BackupResult(Result r, std::filesystem::path written) : Result(std::move(r)), path(std::move(written)) {}

  std::filesystem::path path;  // the file written, when ok
};

// The name for a copy taken at `when` (local time): "2026-12-09_15-40-12_read.t12"; `copy` 2, 3, ...
// is added as "_2" for further copies within the same second.
std::string backup_file_name(std::chrono::system_clock::time_point when, BackupKind kind, int copy = 1);

// Saves `b` into `folder` (made if missing) under a name of its own: an earlier copy taken in the
// same second is never overwritten.
[[nodiscard]] BackupResult save_backup(const std::filesystem::path& folder, const Blok& b, BackupKind kind,
                                       std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

}  // namespace tirel
