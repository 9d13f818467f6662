#include "files/param_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../support/file_size_limit.h"
#include "blok/default_blok.h"
#include "temp_dir.h"

namespace tirel {
namespace {

using test::entries_in;
using test::read_bytes;
using test::TempDir;
using test::write_bytes;

std::string as_bytes(const Blok& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.size()); }

// A blok with every byte distinct from the defaults, so a partial load cannot pass unnoticed.
Blok patterned() {
  Blok b{};
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
  return b;
}

TEST(ParamFile, SavedFileIsTheBlokByteForByteAndOpensIdentically) {
  TempDir dir;
  const Blok b = patterned();
  ASSERT_TRUE(save_param_file(dir / "a.t12", b).ok);
  EXPECT_EQ(read_bytes(dir / "a.t12"), as_bytes(b));

  Blok loaded = new_blok(1);
  const FileResult r = load_param_file(dir / "a.t12", loaded);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(loaded, b);
  EXPECT_EQ(entries_in(dir.path()), 1) << "no temporary file is left beside the saved one";
}

TEST(ParamFile, SaveReplacesALongerFileAndKeepsItsPermissions) {
  TempDir dir;
  write_bytes(dir / "a.t12", std::string(5000, 'x'));
  ::chmod((dir / "a.t12").c_str(), 0640);
  ASSERT_TRUE(save_param_file(dir / "a.t12", new_blok(3)).ok);
  EXPECT_EQ(read_bytes(dir / "a.t12"), as_bytes(new_blok(3)));
  struct stat st {};
  ::stat((dir / "a.t12").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ParamFile, SaveThroughASymbolicLinkReplacesTheFileItNames) {
  TempDir dir;
  write_bytes(dir / "real.t12", "old");
  std::filesystem::create_symlink(dir / "real.t12", dir / "link.t12");
  ASSERT_TRUE(save_param_file(dir / "link.t12", new_blok(0)).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.t12"));
  EXPECT_EQ(read_bytes(dir / "real.t12"), as_bytes(new_blok(0)));
}

TEST(ParamFile, LongerFileOpensFromItsFirst1536Bytes) {
  TempDir dir;
  const Blok b = patterned();
  write_bytes(dir / "long.t12", as_bytes(b) + std::string(100, '\x55'));
  Blok loaded{};
  ASSERT_TRUE(load_param_file(dir / "long.t12", loaded).ok);
  EXPECT_EQ(loaded, b);
}

TEST(ParamFile, FilesThatCannotBeOpenedLeaveTheBlokUntouchedAndSayWhy) {
  TempDir dir;
  write_bytes(dir / "short.t12", as_bytes(patterned()).substr(0, 1535));
  write_bytes(dir / "empty.t12", "");
  std::filesystem::create_directory(dir / "folder.t12");
  struct Case {
    std::filesystem::path path;
    const char* cause;
  } cases[] = {
      {dir / "short.t12", "Файл короче 1536 байт"},
      {dir / "empty.t12", "Файл короче 1536 байт"},
      {dir / "missing.t12", "Файл не найден"},
      {dir / "folder.t12", "Указана папка, а не файл"},
      {dir / "short.t12" / "x.t12", "Путь не найден"},
  };
  for (const Case& c : cases) {
    Blok b = new_blok(2);
    const FileResult r = load_param_file(c.path, b);
    EXPECT_FALSE(r.ok) << c.path;
    EXPECT_NE(r.error.find(c.cause), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(c.path.string()), std::string::npos) << "the message names the file: " << r.error;
    EXPECT_EQ(b, new_blok(2)) << c.path;
  }
}

TEST(ParamFile, SaveOntoAFolderFailsAndLeavesNoTemporaryFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "x.t12");
  const FileResult r = save_param_file(dir / "x.t12", new_blok(1));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("папка"), std::string::npos) << r.error;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "x.t12"));
  EXPECT_EQ(entries_in(dir.path()), 1);
}

TEST(ParamFile, SaveUnderARegularFileOrIntoAMissingFolderFails) {
  TempDir dir;
  write_bytes(dir / "plain", "keep");
  const FileResult under_file = save_param_file(dir / "plain" / "x.t12", new_blok(1));
  EXPECT_FALSE(under_file.ok);
  EXPECT_NE(under_file.error.find("Путь не найден"), std::string::npos) << under_file.error;
  EXPECT_EQ(read_bytes(dir / "plain"), "keep");

  const FileResult missing = save_param_file(dir / "nowhere" / "x.t12", new_blok(1));
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find("Папка не найдена"), std::string::npos) << missing.error;
}

// A write that fails half-way (here a file-size limit, which binds root as well, standing in for
// a full disk) must keep the previous file whole and remove the partial temporary file.
TEST(ParamFile, SaveThatFailsWhileWritingKeepsTheOldFile) {
  TempDir dir;
  const Blok old = patterned();
  ASSERT_TRUE(save_param_file(dir / "a.t12", old).ok);

  FileResult r;
  {
    test::FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.active());
    r = save_param_file(dir / "a.t12", new_blok(1));
  }

  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("Файл слишком велик"), std::string::npos) << r.error;
  EXPECT_EQ(read_bytes(dir / "a.t12"), as_bytes(old));
  EXPECT_EQ(entries_in(dir.path()), 1);
}

TEST(ParamFile, ReadOnlyFileIsNotReplacedWhenThatIsEnforced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  TempDir dir;
  write_bytes(dir / "ro.t12", "old");
  ::chmod((dir / "ro.t12").c_str(), 0444);
  const FileResult r = save_param_file(dir / "ro.t12", new_blok(1));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("Доступ запрещён"), std::string::npos) << r.error;
  EXPECT_EQ(read_bytes(dir / "ro.t12"), "old");
}

}  // namespace
}  // namespace tirel
