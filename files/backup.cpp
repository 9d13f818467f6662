#include "files/backup.h"

#include <cerrno>
#include <ctime>
#include <system_error>

#include "files/io_error.h"
#include "files/param_file.h"
#include "files/texts.h"

namespace tirel {

namespace {
// Far more than any run could take in one second; past it something else is wrong with the folder.
constexpr int kMaxCopiesPerSecond = 1000;
}  // namespace

std::string backup_file_name(std::chrono::system_clock::time_point when, BackupKind kind, int copy) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  std::string name = std::string(stamp) + (kind == BackupKind::read ? "_read" : "_write");
  if (copy > 1) name += "_" + std::to_string(copy);
  return name + ".t12";
}

BackupResult save_backup(const std::filesystem::path& folder, const Blok& b, BackupKind kind,
                         std::chrono::system_clock::time_point when) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder, ec)) {
    const int err = ec ? ec.value() : ENOTDIR;
    return {io_failure(err == EEXIST ? ENOTDIR : err, folder), {}};
  }
  for (int copy = 1; copy <= kMaxCopiesPerSecond; ++copy) {
    const std::filesystem::path path = folder / backup_file_name(when, kind, copy);
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) continue;
    const FileResult r = save_param_file(path, b);
    if (!r.ok) return {r, {}};
    return {Result::done(), path};
  }
  return {{false, files_text::too_many_backups_text(folder.string())}, {}};
}

}  // namespace tirel
