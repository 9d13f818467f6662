// Saving onto names that are not plain files: a device or a pipe is written through and stays
// what it is, a folder is refused, and a full disk keeps the old file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <thread>

#include "blok/default_blok.h"
#include "files/atomic_write.h"
#include "files/param_file.h"
#include "temp_dir.h"

namespace tirel {
namespace {

using test::entries_in;
using test::read_bytes;
using test::TempDir;
using test::write_bytes;

bool is_char_device(const std::filesystem::path& p) {
  struct stat st {};
  return ::lstat(p.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A private copy of the kernel's null (1,3) or full (1,7) device: a program that wrongly renamed
// over it would replace only this copy, never the machine's own.
bool make_device(const std::filesystem::path& p, unsigned minor) {
  return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

TEST(SafeWrite, ACharacterDeviceIsWrittenThroughAndStaysADevice) {
  TempDir dir;
  if (!make_device(dir / "null", 3) || !make_device(dir / "full", 7)) GTEST_SKIP() << "needs root to make devices";

  EXPECT_TRUE(save_param_file(dir / "null", new_blok(1)).ok);
  EXPECT_TRUE(is_char_device(dir / "null"));

  const FileResult full = save_param_file(dir / "full", new_blok(1));
  EXPECT_FALSE(full.ok);
  EXPECT_EQ(full.error, "Диск переполнен: " + (dir / "full").string());
  EXPECT_TRUE(is_char_device(dir / "full"));

  std::filesystem::create_symlink(dir / "full", dir / "link");
  EXPECT_FALSE(save_param_file(dir / "link", new_blok(1)).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
  EXPECT_TRUE(is_char_device(dir / "full"));
  EXPECT_EQ(entries_in(dir.path()), 3) << "no temporary file is left";
}

TEST(SafeWrite, APipeGetsTheBytesAndStaysAPipe) {
  TempDir dir;
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = read_bytes(fifo); });
  const FileResult r = write_file_atomically(fifo, "W\x01\x02 on the pipe");
  reader.join();
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_EQ(received, "W\x01\x02 on the pipe");
  struct stat st {};
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(SafeWrite, AFolderOrASocketIsRefusedAndLeftAsItWas) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder");
  const FileResult folder = write_file_atomically(dir / "folder", "x");
  EXPECT_EQ(folder.error, "Указана папка, а не файл: " + (dir / "folder").string());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));

  const auto socket_path = dir / "sock";
  ASSERT_EQ(::mknod(socket_path.c_str(), S_IFSOCK | 0600, 0), 0);
  const FileResult sock = write_file_atomically(socket_path, "x");
  EXPECT_EQ(sock.error, "Указано блочное устройство или сокет, а не файл: " + socket_path.string());
  EXPECT_TRUE(std::filesystem::is_socket(socket_path));
  EXPECT_EQ(entries_in(dir.path()), 2);
}

// The disk as it was seen: a small memory file system filled up, as root.
TEST(SafeWrite, AFullDiskIsAnErrorAndTheOldFileStaysWhole) {
  TempDir dir;
  const auto mnt = dir / "disk";
  std::filesystem::create_directory(mnt);
  if (::mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=16k") != 0) GTEST_SKIP() << "needs root to mount a small disk";
  write_bytes(mnt / "a.t12", std::string(1536, 'A'));
  write_bytes(mnt / "filler", std::string(12 * 1024, 'F'));
  const FileResult r = write_file_atomically(mnt / "a.t12", std::string(8 * 1024, 'B'));
  const std::string kept = read_bytes(mnt / "a.t12");
  const int entries = entries_in(mnt);
  ::umount(mnt.c_str());
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Диск переполнен: " + (mnt / "a.t12").string());
  EXPECT_EQ(kept, std::string(1536, 'A'));
  EXPECT_EQ(entries, 2) << "the partial temporary file is removed";
}

}  // namespace
}  // namespace tirel
