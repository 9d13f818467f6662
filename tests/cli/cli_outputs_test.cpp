// What the commands write: never over one of their own inputs, never a failure told as success,
// a device left a device, and an error stream that says only what the user must read.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "../support/file_size_limit.h"
#include "blok/default_blok.h"
#include "files/param_file.h"
#include "run_cli.h"

namespace tirel {
namespace {

using test::CliRun;
using test::read_bytes;
using test::run_cli;
using test::TempDir;
using test::write_bytes;

std::string refusal(const std::string& output, const std::string& input) {
  return "tirel12-cli: Файл результата «" + output + "» — это входной файл «" + input +
         "»: команда уничтожила бы его. Укажите для результата другой файл.\n";
}

struct Files {
  TempDir dir;
  std::string e, g, b;
  Files() {
    e = (dir / "e.t12").string();
    g = (dir / "g.csv").string();
    b = (dir / "b.t12").string();
    EXPECT_EQ(run_cli(dir, {"new", "--band", "2", "-o", e}).exit_code, 0);
    EXPECT_EQ(run_cli(dir, {"new", "--band", "2", "-o", b}).exit_code, 0);
    EXPECT_EQ(run_cli(dir, {"export-csv", e, "-o", g}).exit_code, 0);
    std::filesystem::create_symlink(e, dir / "e-link.t12");
    std::filesystem::create_hard_link(e, dir / "e-hard.t12");
    std::filesystem::create_symlink(g, dir / "g-link.csv");
  }
};

TEST(CliOutputs, AnOutputThatIsOneOfTheInputsIsRefusedBeforeAnythingIsWritten) {
  Files f;
  const std::string e_bytes = read_bytes(f.e), g_bytes = read_bytes(f.g);
  const std::string e_again = (f.dir / "." / "e.t12").string();
  const std::string e_link = (f.dir / "e-link.t12").string(), e_hard = (f.dir / "e-hard.t12").string();
  const std::string g_link = (f.dir / "g-link.csv").string();
  struct Case {
    std::vector<std::string> args;
    std::string output, input;
  } cases[] = {
      {{"export-csv", f.e, "-o", f.e}, f.e, f.e},
      {{"export-csv", f.e, "-o", e_again}, e_again, f.e},
      {{"export-csv", f.e, "--output", e_link}, e_link, f.e},
      {{"export-csv", e_hard, "-o", f.e}, f.e, e_hard},
      {{"print", f.e, "--pdf", f.e}, f.e, f.e},
      {{"print", e_link, "--pdf", e_hard}, e_hard, e_link},
      {{"import-csv", f.g, "--base", f.b, "-o", f.g}, f.g, f.g},
      {{"import-csv", g_link, "--base", f.b, "-o", f.g}, f.g, g_link},
      {{"read", "--port", f.e, "-o", e_hard}, e_hard, f.e},
  };
  for (const Case& c : cases) {
    const CliRun r = run_cli(f.dir, c.args);
    EXPECT_EQ(r.exit_code, 2) << c.args[0] << " -> " << c.output;
    EXPECT_EQ(r.err, refusal(c.output, c.input));
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(read_bytes(f.e), e_bytes);
  EXPECT_EQ(read_bytes(f.g), g_bytes);
  EXPECT_TRUE(std::filesystem::is_symlink(f.dir / "e-link.t12"));
  EXPECT_EQ(test::entries_in(f.dir.path()), 6) << "no temporary or other file was left";
}

TEST(CliOutputs, ImportOntoItsOwnBaseStillUpdatesTheBaseInPlace) {
  Files f;
  std::string csv = read_bytes(f.g);
  csv.replace(csv.find("\r\n1,no,"), 7, "\r\n1,yes,");
  write_bytes(f.g, csv);
  const CliRun r = run_cli(f.dir, {"import-csv", f.g, "--base", f.b, "-o", f.b});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "Файл CSV прочитан в кодировке UTF-8.\nКаналов в таблице: 16 из 16; записан «" + f.b + "»\n");
  EXPECT_NE(read_bytes(f.b), read_bytes(f.e)) << "channel 1 is off now";
}

// A write that fails half-way, as on a full disk; the child keeps the limit until it ends.
void limit_file_size() { static test::FileSizeLimit limit(1000); }

TEST(CliOutputs, AWriteThatFailsIsAnErrorAndTheOldFileStaysWhole) {
  Files f;
  const std::string pdf = (f.dir / "p.pdf").string(), csv = (f.dir / "old.csv").string();
  write_bytes(pdf, "old sheet");
  write_bytes(csv, "old table");
  const CliRun print = run_cli(f.dir, {"print", f.e, "--pdf", pdf}, "C.UTF-8", limit_file_size);
  EXPECT_EQ(print.exit_code, 1);
  EXPECT_EQ(print.err, "tirel12-cli: Не удаётся записать файл PDF — Файл слишком велик для этого диска: " + pdf + "\n");
  EXPECT_EQ(read_bytes(pdf), "old sheet");
  const CliRun exported = run_cli(f.dir, {"export-csv", f.e, "-o", csv}, "C.UTF-8", limit_file_size);
  EXPECT_EQ(exported.exit_code, 1);
  EXPECT_EQ(exported.err, "tirel12-cli: Файл слишком велик для этого диска: " + csv + "\n");
  EXPECT_EQ(read_bytes(csv), "old table");
}

TEST(CliOutputs, APdfOnAFullDiskIsAnErrorAndNoEmptyFile) {
  Files f;
  const auto disk = f.dir / "disk";
  std::filesystem::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) GTEST_SKIP() << "needs root to mount a small disk";
  write_bytes(disk / "filler", std::string(14 * 1024, 'F'));
  const std::string pdf = (disk / "p.pdf").string();
  const CliRun r = run_cli(f.dir, {"print", f.e, "--pdf", pdf});
  const bool left = std::filesystem::exists(pdf);
  ::umount(disk.c_str());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "tirel12-cli: Не удаётся записать файл PDF — Диск переполнен: " + pdf + "\n");
  EXPECT_FALSE(left);
}

TEST(CliOutputs, AFullStandardOutputIsAnErrorWithItsCause) {
  Files f;
  auto to_full = [] { ::freopen("/dev/full", "w", stdout); };
  const std::string told = "tirel12-cli: Не удаётся записать стандартный вывод: Диск переполнен\n";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"show", f.e}, {"params", f.e}, {"export-csv", f.e}}) {
    const CliRun r = run_cli(f.dir, args, "C.UTF-8", to_full);
    EXPECT_EQ(r.exit_code, 1) << args[0];
    EXPECT_EQ(r.err, told) << args[0];
  }
  // diff tells "different" with 1, so its trouble is 2.
  Blok other = new_blok(2);
  other[100] ^= 1;
  ASSERT_TRUE(save_param_file(f.dir / "o.t12", other).ok);
  const CliRun diff = run_cli(f.dir, {"diff", f.e, (f.dir / "o.t12").string()}, "C.UTF-8", to_full);
  EXPECT_EQ(diff.exit_code, 2);
  EXPECT_EQ(diff.err, told);
}

TEST(CliOutputs, ACharacterDeviceAsOutputStaysADevice) {
  TempDir dir;
  // Private copies of the kernel's null and full devices: a wrong rename would only replace these.
  const auto null_dev = dir / "null", full_dev = dir / "full";
  if (::mknod(null_dev.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod(full_dev.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
    GTEST_SKIP() << "needs root to make devices";
  const CliRun to_null = run_cli(dir, {"new", "-o", null_dev.string()});
  EXPECT_EQ(to_null.exit_code, 0) << to_null.err;
  const CliRun to_full = run_cli(dir, {"new", "-o", full_dev.string()});
  EXPECT_EQ(to_full.exit_code, 1);
  EXPECT_EQ(to_full.err, "tirel12-cli: Диск переполнен: " + full_dev.string() + "\n");
  for (const auto& node : {null_dev, full_dev}) {
    struct stat st {};
    ASSERT_EQ(::lstat(node.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << node;
  }
  EXPECT_EQ(test::entries_in(dir.path()), 2);
}

TEST(CliOutputs, MessagesAreSentencesAndTheToolkitAddsNothing) {
  Files f;
  struct Case {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"frobnicate"}, "tirel12-cli: Неизвестная команда «frobnicate»; список команд: tirel12-cli --help\n"},
      {{"new", "-o", ""}, "tirel12-cli: Пустое значение параметра «-o»\n"},
      {{"new", "--output="}, "tirel12-cli: Пустое значение параметра «--output»\n"},
      {{"new", "-o", "a.t12", "--output", "b.t12"}, "tirel12-cli: Параметр «--output» указан дважды\n"},
      {{"show", f.e, "--decimal-separator", ",", "--decimal-separator", "."},
       "tirel12-cli: Параметр «--decimal-separator» указан дважды\n"},
      {{"new", "--colour", "red"}, "tirel12-cli: Неизвестный параметр «--colour»\n"},
      {{"new", "--band", "7", "-o", "x.t12"}, "tirel12-cli: Номер диапазона должен быть от 0 до 5, а не «7»\n"},
      {{"params", f.e, "--decimal-separator", "ab"},
       "tirel12-cli: Параметр «--decimal-separator» ждёт ровно один символ, а не «ab»\n"},
  };
  for (const Case& c : cases) {
    const CliRun r = run_cli(f.dir, c.args);
    EXPECT_EQ(r.exit_code, 2) << c.err;
    EXPECT_EQ(r.err, c.err);
  }
  // Without a display or a runtime folder the toolkit would talk about both.
  const CliRun print = run_cli(f.dir, {"print", f.e, "--pdf", (f.dir / "p.pdf").string()}, "C.UTF-8", [] {
    ::unsetenv("XDG_RUNTIME_DIR");
    ::unsetenv("DISPLAY");
    ::unsetenv("QT_QPA_PLATFORM");
  });
  EXPECT_EQ(print.exit_code, 0);
  EXPECT_EQ(print.err, "");
}

}  // namespace
}  // namespace tirel
