// Runs the real tirel12-cli and looks at what it prints, its exit code and the files it writes.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "../files/temp_dir.h"
#include "blok/default_blok.h"
#include "blok/layout.h"
#include "files/param_file.h"
#include "run_cli.h"

namespace tirel {
namespace {

using test::entries_in;
using test::read_bytes;
using test::run_cli;
using test::CliRun;
using test::TempDir;
using test::write_bytes;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string value_of(const std::string& params, const std::string& name) {
  for (const std::string& line : lines_of(params))
    if (line.rfind(name + "\t", 0) == 0) return line.substr(name.size() + 1);
  return "<missing>";
}

std::string as_bytes(const Blok& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.size()); }

TEST(Cli, NewWritesTheDefaultSetOfTheBand) {
  TempDir dir;
  for (int band = 0; band < 6; ++band) {
    const auto file = dir / ("b" + std::to_string(band) + ".t12");
    const CliRun r = run_cli(dir, {"new", "--band", std::to_string(band), "-o", file.string()});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read_bytes(file), as_bytes(new_blok(band)));
  }
}

TEST(Cli, ParamsOfANewBandThreeSetGivesTheSheetsValues) {
  TempDir dir;
  ASSERT_EQ(run_cli(dir, {"new", "--band=3", "--output", (dir / "a.t12").string()}).exit_code, 0);
  const CliRun r = run_cli(dir, {"params", (dir / "a.t12").string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 173u);
  EXPECT_EQ(lines.front(), "model\tТирель-12");
  EXPECT_EQ(lines.back(), "osn12\t3,0 секунды");
  EXPECT_EQ(value_of(r.out, "frq"), "438МГц - 470МГц (Р39)");
  EXPECT_EQ(value_of(r.out, "f_rx16"), "  460,000000");
  EXPECT_EQ(value_of(r.out, "st_tx1"), " Выключен");
  EXPECT_EQ(value_of(r.out, "no_kan1"), "");
  EXPECT_EQ(value_of(r.out, "band7"), "   25 кГц");
  EXPECT_EQ(value_of(r.out, "osn1"), "60 секунд");
}

TEST(Cli, SubtoneTextsFollowTheChosenOrSystemSeparator) {
  TempDir dir;
  Blok b = new_blok(1);
  b[static_cast<std::size_t>(layout::tone_type_byte(2, Dir::tx))] |= 0x30;
  b[static_cast<std::size_t>(layout::tone_high(2, Dir::tx))] = 0x06;
  b[static_cast<std::size_t>(layout::tone_low(2, Dir::tx))] = 0x70;
  ASSERT_TRUE(save_param_file(dir / "t.t12", b).ok);
  const std::string file = (dir / "t.t12").string();
  EXPECT_EQ(value_of(run_cli(dir, {"params", file, "--decimal-separator", ","}).out, "st_tx2"), "  CTC 67,0");
  EXPECT_EQ(value_of(run_cli(dir, {"params", file, "--decimal-separator", "."}).out, "st_tx2"), "  CTC 67.0");
  EXPECT_EQ(value_of(run_cli(dir, {"params", file}, "C.UTF-8").out, "st_tx2"), "  CTC 67.0");
  EXPECT_EQ(value_of(run_cli(dir, {"params", file}, "ru_RU.UTF-8").out, "st_tx2"), "  CTC 67,0");
  EXPECT_EQ(value_of(run_cli(dir, {"params", file}).out, "f_tx2"), "  150,000000") << "the frequency comma is fixed";
}

TEST(Cli, ShowPrintsBandChannelsAndSettings) {
  TempDir dir;
  Blok b = new_blok(0);
  set_channel_flag(b, 12, layout::ChannelFlag::on, false);
  ASSERT_TRUE(save_param_file(dir / "s.t12", b).ok);
  const CliRun r = run_cli(dir, {"show", (dir / "s.t12").string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("136МГц - 150МГц"), std::string::npos);
  EXPECT_NE(r.out.find("Таймер возобновления сканирования после окончания приёма : 3,0 секунды"), std::string::npos);
  EXPECT_NE(r.out.find("Кнопка \"ШПД\" : Временное откл. ШПД"), std::string::npos);
  int rows_with_frequency = 0;
  for (const std::string& line : lines_of(r.out)) {
    if (line.find("140,000000") != std::string::npos) ++rows_with_frequency;
    if (line.rfind("12", 0) == 0) {
      EXPECT_EQ(line.find("140,000000"), std::string::npos) << "channel 12 is off";
    }
  }
  EXPECT_EQ(rows_with_frequency, 15);
}

TEST(Cli, HelpListsTheCommands) {
  TempDir dir;
  const CliRun r = run_cli(dir, {"--help"});
  EXPECT_EQ(r.exit_code, 0);
  for (const char* c : {"new", "params", "show"}) EXPECT_NE(r.out.find(c), std::string::npos) << c;
}

TEST(Cli, ErrorsGoToStderrWithNonZeroExitAndWriteNothing) {
  TempDir dir;
  write_bytes(dir / "short.t12", std::string(1000, '\0'));
  const std::string out = (dir / "out.t12").string();
  struct Case {
    std::vector<std::string> args;
    int code;
  } cases[] = {
      {{}, 2},
      {{"frobnicate"}, 2},
      {{"new", "--band", "6", "-o", out}, 2},
      {{"new", "--band", "x", "-o", out}, 2},
      {{"new", "--band", "1"}, 2},
      {{"new", "--band"}, 2},
      {{"new", "-o", out, "--colour", "red"}, 2},
      {{"new", "--band", "1", "-o", (dir / "short.t12" / "x.t12").string()}, 1},
      {{"params"}, 2},
      {{"params", (dir / "missing.t12").string()}, 1},
      {{"params", (dir / "short.t12").string()}, 1},
      {{"params", (dir / "short.t12").string(), "extra"}, 2},
      {{"params", (dir / "short.t12").string(), "--decimal-separator", "ab"}, 2},
      {{"show", (dir / "missing.t12").string()}, 1},
  };
  for (const Case& c : cases) {
    const CliRun r = run_cli(dir, c.args);
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    EXPECT_EQ(r.exit_code, c.code) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_NE(r.err, "") << shown;
  }
  EXPECT_EQ(entries_in(dir.path()), 1) << "no file was written";
}

}  // namespace
}  // namespace tirel
