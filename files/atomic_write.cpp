#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>

#include "files/io_error.h"
#include "files/texts.h"

namespace tirel {
namespace fs = std::filesystem;

namespace {

// A symbolic link is followed, so that saving through it replaces the file and not the link.
fs::path resolve_target(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? path : resolved;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Opens a new temporary file in the target's folder; -1 with errno set when none can be made.
int open_temp(const fs::path& target, fs::path& temp) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                  std::to_string(++counter));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// ENOENT on creating a file: the folder is gone, or it exists but is a place where the system
// makes no files (such as /proc).
std::string missing_place_cause(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  return fs::is_directory(dir, ec) ? files_text::kNoFileHere : files_text::kFolderNotFound;
}

void sync_folder(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A device or a pipe cannot be replaced by renaming; what it is stays, and the bytes go through it.
FileResult write_through(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return io_failure(errno, path);
  int err = 0;
  if (!write_all(fd, bytes)) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err == 0 ? Result::done() : io_failure(err, path);
}

}  // namespace

FileResult write_file_atomically(const fs::path& path, std::string_view bytes) {
  // What the name leads to, links followed: only a regular file may be replaced by a rename.
  struct stat node {};
  if (::stat(path.c_str(), &node) == 0) {
    if (S_ISDIR(node.st_mode)) return io_failure(EISDIR, path);
    if (S_ISCHR(node.st_mode) || S_ISFIFO(node.st_mode)) return write_through(path, bytes);
    if (!S_ISREG(node.st_mode)) return io_failure(files_text::kNotAFile, path);
  }
  const fs::path target = resolve_target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return io_failure(EISDIR, path);
  // A read-only file is not silently replaced, although its folder would allow it.
  if (exists && ::access(target.c_str(), W_OK) != 0) return io_failure(errno, path);

  fs::path temp;
  const int fd = open_temp(target, temp);
  if (fd < 0) return errno == ENOENT ? io_failure(missing_place_cause(target), path) : io_failure(errno, path);
  if (exists) ::fchmod(fd, old.st_mode & 07777);

  int err = 0;
  if (!write_all(fd, bytes) || ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return io_failure(err, path);
  }
  sync_folder(target);
  return Result::done();
}

FileResult read_file_prefix(const fs::path& path, std::size_t limit, std::string& out) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return io_failure(errno, path);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return io_failure(EISDIR, path);
  }
  std::string data;
  char buf[4096];
  while (data.size() < limit) {
    const std::size_t want = std::min(sizeof buf, limit - data.size());
    const ssize_t n = ::read(fd, buf, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return io_failure(err, path);
    }
    if (n == 0) break;
    data.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  out = std::move(data);
  return Result::done();
}

}  // namespace tirel
