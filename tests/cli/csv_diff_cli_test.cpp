#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/settings.h"
#include "blok/subtone.h"
#include "cli_result.h"
#include "files/param_file.h"

namespace tirel {
namespace {

namespace fs = std::filesystem;
using layout::ChannelFlag;

using test::CliResult;
using test::slurp;

class CsvDiffCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tirel_cli_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }

  fs::path save(const std::string& name, const Blok& b) const {
    const FileResult r = save_param_file(path(name), b);
    EXPECT_TRUE(r.ok) << r.error;
    return path(name);
  }

  // Runs the tool with arguments that need no quoting (the test's own file names).
  CliResult cli(const std::string& args) const {
    return test::run_shell(std::string(TIREL12_CLI) + " " + args, dir_);
  }

  fs::path dir_;
};

Blok busy_set() {
  Blok b = new_blok(3);
  ToneChoice dcs{ToneKind::dcs, "", "411", true};
  for (int n = 1; n <= kChannelCount; ++n) {
    if (n % 2) (void)store_frq(b, n, Dir::rx, 440000000 + 12500LL * n, {436000000, 472000000});
    if (n % 3 == 0) (void)store_tone(b, n, Dir::tx, dcs);
    set_channel_flag(b, n, ChannelFlag::on, n != 6);
    set_channel_flag(b, n, ChannelFlag::busy_lock, n > 8);
  }
  return b;
}

TEST_F(CsvDiffCli, ExportThenImportGivesBackTheSameFile) {
  const fs::path set = save("set.t12", busy_set());
  ASSERT_EQ(cli("export-csv " + set.string() + " -o " + path("set.csv").string()).status, 0);
  const CliResult to_stdout = cli("export-csv " + set.string());
  EXPECT_EQ(to_stdout.status, 0);
  EXPECT_EQ(to_stdout.out, slurp(path("set.csv")));
  EXPECT_NE(to_stdout.out.find("\r\n3,no,no,440.037500,off,460.000000,D411I,"), std::string::npos);

  const CliResult imported =
      cli("import-csv " + path("set.csv").string() + " --base " + set.string() + " -o " + path("back.t12").string());
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(slurp(path("back.t12")), slurp(set));
  EXPECT_EQ(cli("diff " + set.string() + " " + path("back.t12").string()).status, 0);
}

TEST_F(CsvDiffCli, ImportWithBadCellsListsThemAllAndWritesNothing) {
  const fs::path base = save("base.t12", new_blok(1));
  std::string csv = cli("export-csv " + base.string()).out;
  csv.replace(csv.find("\r\n2,no,no,150.000000"), 20, "\r\n2,no,no,190.000000");
  csv.replace(csv.find("\r\n5,no,no,150.000000,off"), 24, "\r\n5,no,no,150.000000,D999N");
  std::ofstream(path("bad.csv"), std::ios::binary) << csv;
  const fs::path out = save("out.t12", new_blok(0));  // an existing file must survive

  const CliResult r = cli("import-csv " + path("bad.csv").string() + " --base " + base.string() + " -o " + out.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("bad.csv: строка 3, столбец 4: частота 190,000000 вне диапазона"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("bad.csv: строка 6, столбец 5: субтон «D999N»"), std::string::npos) << r.err;
  Blok kept{};
  ASSERT_TRUE(load_param_file(out, kept).ok);
  EXPECT_EQ(kept, new_blok(0));

  EXPECT_EQ(cli("import-csv " + path("bad.csv").string() + " --base " + base.string() + " -o " +
                path("new.t12").string())
                .status,
            1);
  EXPECT_FALSE(fs::exists(path("new.t12")));
}

TEST_F(CsvDiffCli, DiffNamesEachDifferenceAndAnswersInItsStatus) {
  const Blok a = new_blok(1);
  Blok b = a;
  (void)store_frq(b, 3, Dir::rx, 151000000, {136000000, 175000000});
  toggle_channel_flag(b, 7, ChannelFlag::scan_skip);
  store_setting(b, *setting_by_combo(203), 8);
  const fs::path pa = save("a.t12", a), pb = save("b.t12", b);

  const CliResult same = cli("diff " + pa.string() + " " + pa.string());
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");

  const CliResult differ = cli("diff " + pa.string() + " " + pb.string());
  EXPECT_EQ(differ.status, 1);
  EXPECT_EQ(differ.out,
            "Канал 3: частота ПРМ 150,000000 → 151,000000\n"
            "Канал 7: сканирование: Включен → Выключен\n"
            "Уровень шумоподавителя: 5 → 9\n");

  Blok c = a;
  c[static_cast<std::size_t>(data_offset(100, 0))] = 0xAA;
  const CliResult hidden = cli("diff " + pa.string() + " " + save("c.t12", c).string());
  EXPECT_EQ(hidden.status, 1);
  EXPECT_EQ(hidden.out.rfind("Различаются байты, которых окно не показывает: смещение 1192 (запись 100, байт 4)", 0),
            0u);

  EXPECT_EQ(cli("diff " + pa.string() + " " + path("missing.t12").string()).status, 2);
  EXPECT_EQ(cli("diff " + pa.string()).status, 2);
}

}  // namespace
}  // namespace tirel
