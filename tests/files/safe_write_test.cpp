// Saving onto names that are not plain files: a pipe is written through and stays a pipe, a folder
// or a socket is refused. (A device as output is tried through the command line.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

#include "files/atomic_write.h"
#include "temp_dir.h"

namespace tirel {
namespace {

using test::entries_in;
using test::read_bytes;
using test::TempDir;

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

}  // namespace
}  // namespace tirel
