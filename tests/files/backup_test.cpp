// Backups of what was read from or written into a radio: names that sort by time and say which,
// no copy ever overwritten, and failures that name the cause instead of pretending.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <set>

#include "blok/default_blok.h"
#include "files/backup.h"
#include "temp_dir.h"

namespace tirel {
namespace {

using namespace std::chrono;

system_clock::time_point local_time(int y, int mo, int d, int h, int mi, int s) {
  std::tm t{};
  t.tm_year = y - 1900;
  t.tm_mon = mo - 1;
  t.tm_mday = d;
  t.tm_hour = h;
  t.tm_min = mi;
  t.tm_sec = s;
  t.tm_isdst = -1;
  return system_clock::from_time_t(std::mktime(&t));
}

std::string blok_string(const Blok& b) { return {reinterpret_cast<const char*>(b.data()), b.size()}; }

TEST(Backup, NameCarriesLocalDateTimeAndWhetherReadOrWritten) {
  const auto when = local_time(2026, 12, 9, 15, 40, 12) + milliseconds(870);
  EXPECT_EQ(backup_file_name(when, BackupKind::read), "2026-12-09_15-40-12_read.t12");
  EXPECT_EQ(backup_file_name(when, BackupKind::write), "2026-12-09_15-40-12_write.t12");
  EXPECT_EQ(backup_file_name(when, BackupKind::read, 3), "2026-12-09_15-40-12_read_3.t12");
}

TEST(Backup, MakesTheFolderAndNeverOverwritesACopyOfTheSameSecond) {
  test::TempDir dir;
  const auto folder = dir / "Save" / "backup";
  const auto when = local_time(2026, 1, 2, 3, 4, 5);
  std::set<std::filesystem::path> paths;
  for (int band = 0; band < 3; ++band) {
    const BackupResult r = save_backup(folder, new_blok(band), BackupKind::read, when);
    ASSERT_TRUE(r.ok) << r.error;
    paths.insert(r.path);
    EXPECT_EQ(test::read_bytes(r.path), blok_string(new_blok(band)));
  }
  EXPECT_EQ(paths.size(), 3u);
  EXPECT_EQ(test::entries_in(folder), 3);
  EXPECT_TRUE(std::filesystem::exists(folder / "2026-01-02_03-04-05_read_2.t12"));

  const BackupResult w = save_backup(folder, new_blok(4), BackupKind::write, when);
  ASSERT_TRUE(w.ok);
  EXPECT_EQ(w.path.filename(), "2026-01-02_03-04-05_write.t12") << "reads and writes are counted apart";
}

TEST(Backup, FolderThatCannotBeMadeIsAnErrorNamingIt) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / "Save");
  test::write_bytes(dir / "Save" / "backup", "not a folder");
  const BackupResult r = save_backup(dir / "Save" / "backup", new_blok(1), BackupKind::write);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("backup"), std::string::npos) << r.error;
  EXPECT_EQ(test::read_bytes(dir / "Save" / "backup"), "not a folder");

  test::write_bytes(dir / "plain", "x");
  const BackupResult under_file = save_backup(dir / "plain" / "backup", new_blok(1), BackupKind::read);
  EXPECT_FALSE(under_file.ok);
  EXPECT_FALSE(under_file.error.empty());
}

}  // namespace
}  // namespace tirel
