// CHIRP lists through tirel12-cli: import-csv --locations with the skipped rows on stderr and the
// exit codes, export-csv --chirp, CHIRP's own CSV reader on our export, and CHIRP's stock lists.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "cli_result.h"
#include "files/param_file.h"

namespace tirel {
namespace {

namespace fs = std::filesystem;
using layout::ChannelFlag;

const std::string kLists = TIREL_CHIRP_LISTS;
const fs::path kStock = "/usr/share/chirp/stock_configs";

using test::CliResult;

std::string q(const fs::path& p) { return "'" + p.string() + "'"; }

class ChirpCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tirel_chirp_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    for (int band : {1, 3}) {
      const FileResult r = save_param_file(path("band" + std::to_string(band) + ".t12"), new_blok(band));
      ASSERT_TRUE(r.ok) << r.error;
    }
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }

  CliResult run(const std::string& command) const { return test::run_shell(command, dir_); }
  CliResult cli(const std::string& args) const { return run(std::string(TIREL12_CLI) + " " + args); }

  Blok load(const std::string& name) const {
    Blok b{};
    EXPECT_TRUE(load_param_file(path(name), b).ok);
    return b;
  }

  fs::path dir_;
};

TEST_F(ChirpCli, LocationsChooseTheRowsEverySkippedRowIsListedAndTheExitTellsTheOutcome) {
  const std::string marine = kLists + "/marine_vhf.csv";
  const CliResult ok = cli("import-csv " + q(marine) + " --base " + q(path("band1.t12")) + " -o " + q(path("m.t12")) +
                           " --locations 3-7,18 --first-channel 14");
  ASSERT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "Строк CHIRP внесено: 3 из 22, в каналы 14–16; записан «" + path("m.t12").string() + "»\n");
  const std::string skipped_head = marine + ": строка ";
  EXPECT_NE(ok.err.find(skipped_head + "2 (Location 1, «SEA 01») пропущена: не выбрана в --locations\n"),
            std::string::npos);
  EXPECT_NE(ok.err.find(skipped_head + "5 (Location 4, «AIR 121») пропущена: частота приёма 121.500000 МГц вне "
                                       "диапазона 136.000000 – 175.000000 МГц; Mode «AM» — радиостанция работает "
                                       "только в FM (25 кГц) и NFM (12,5 кГц)\n"),
            std::string::npos);
  EXPECT_NE(ok.err.find(skipped_head + "19 (Location 18, «DV 70») пропущена: Mode «DV»"), std::string::npos);
  EXPECT_NE(ok.err.find(skipped_head + "8 (Location 7, «SEA 16») пропущена: каналы кончились: с канала 14 "
                                       "помещается строк: 3\n"),
            std::string::npos);
  int lines = 0;
  for (char c : ok.err) lines += c == '\n';
  EXPECT_EQ(lines, 19) << "every row but the three taken\n" << ok.err;
  const Blok m = load("m.t12");
  EXPECT_EQ(frequency_hz(m, 14, Dir::rx), 156300000);
  EXPECT_EQ(frequency_hz(m, 15, Dir::rx), 156450000);
  EXPECT_EQ(frequency_hz(m, 16, Dir::rx), 156650000);
  EXPECT_TRUE(channel_flag(m, 16, ChannelFlag::scan_skip));
  EXPECT_EQ(frequency_hz(m, 13, Dir::rx), 150000000) << "channels before the first stay";

  const CliResult none = cli("import-csv " + q(kLists + "/pmr446_lpd.csv") + " --base " + q(path("band1.t12")) +
                             " -o " + q(path("p.t12")));
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(fs::exists(path("p.t12")));
  EXPECT_NE(none.err.find("tirel12-cli: Ни одна строка списка не внесена; файл «" + path("p.t12").string() + "» не записан\n"),
            std::string::npos);

  std::ofstream(path("broken.csv")) << "Location,Frequency\n1,\"440.0\n";
  EXPECT_EQ(cli("import-csv " + q(path("broken.csv")) + " --base " + q(path("band3.t12")) + " -o " + q(path("b.t12")))
                .status,
            2);
  const CliResult bad_list = cli("import-csv " + q(marine) + " --base " + q(path("band1.t12")) + " -o " +
                                 q(path("b.t12")) + " --locations 5-");
  EXPECT_EQ(bad_list.status, 2);
  EXPECT_NE(bad_list.err.find("Параметр «--locations» ждёт номера Location"), std::string::npos);
  std::ofstream(path("ours.csv")) << "№,Канал выключен\n";
  EXPECT_EQ(cli("import-csv " + q(path("ours.csv")) + " --base " + q(path("band1.t12")) + " -o " + q(path("b.t12")) +
                " --locations 1")
                .status,
            2);
  EXPECT_FALSE(fs::exists(path("b.t12")));
}

TEST_F(ChirpCli, ExportWritesTheListAndReportsWhatCannotBeWritten) {
  Blok b = new_blok(3);
  b[static_cast<std::size_t>(layout::tone_type_byte(2, Dir::tx))] |= 0x40;
  for (int n = 4; n <= 16; ++n) set_channel_flag(b, n, ChannelFlag::on, false);
  ASSERT_TRUE(save_param_file(path("odd.t12"), b).ok);
  const CliResult r = cli("export-csv " + q(path("odd.t12")) + " --chirp");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
            "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
            "1,,460.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,\r\n"
            "2,,460.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,\r\n"
            "3,,460.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,\r\n");
  EXPECT_EQ(r.err,
            "tirel12-cli: канал 2: субтон передачи (тип 4, значение 0014) не из таблиц — в CHIRP его не записать, "
            "в файле канал без него\n");
}

// CHIRP's own CSV reader (the Debian package "chirp") on what export-csv --chirp writes.
TEST_F(ChirpCli, ChirpsReaderLoadsOurExportWithEveryValue) {
  if (run("/usr/bin/python3 -c 'import chirp.drivers.generic_csv'").status != 0)
    GTEST_SKIP() << "CHIRP is not installed (apt-get install chirp): its CSV reader cannot be run on our export";
  ASSERT_EQ(cli("import-csv " + q(kLists + "/tone_modes.csv") + " --base " + q(path("band3.t12")) + " -o " +
                q(path("t.t12")))
                .status,
            0);
  ASSERT_EQ(cli("export-csv " + q(path("t.t12")) + " --chirp -o " + q(path("t.csv"))).status, 0);
  const CliResult r = run(std::string("/usr/bin/python3 ") + TIREL_CHIRP_READER + " " + q(path("t.csv")));
  ASSERT_EQ(r.status, 0) << r.err;
  const bool reads_cross = r.out.find("reads CrossMode: yes") != std::string::npos;
  // Number, Hz, duplex, offset Hz, tone mode, rtone, ctone, dtcs, polarity, mode, skip, step, comment
  // [, cross mode, receive DCS code, where this CHIRP reads those columns].
  const char* expected[] = {
      "errors: 0",
      "1 440000000 _ 0 _ 88.5 88.5 023 NN FM _ 6.25 []",
      "2 440012500 _ 0 Tone 100.0 88.5 023 NN NFM _ 6.25 []",
      "3 440025000 _ 0 TSQL 88.5 123.0 023 NN NFM _ 6.25 []",
      "4 440037500 _ 0 DTCS 88.5 88.5 023 NN NFM _ 6.25 []",
      "5 440050000 _ 0 DTCS 88.5 88.5 754 RN NFM _ 6.25 []",
      "6 440062500 _ 0 Cross 67.0 254.1 023 NN NFM _ 6.25 []",
      "7 440075000 _ 0 Cross 82.5 88.5 023 NR NFM _ 6.25 []",
      "8 440087500 _ 0 Cross 88.5 151.4 155 RN NFM _ 6.25 []",
      "9 440100000 _ 0 Cross 88.5 88.5 371 NN NFM _ 6.25 []",
      "10 440112500 _ 0 Cross 88.5 203.5 023 NN NFM _ 6.25 []",
      "11 440125000 _ 0 Cross 88.5 88.5 023 NR NFM _ 6.25 []",
      "12 440137500 _ 0 Cross 88.5 88.5 023 RR NFM _ 6.25 []",
      "13 440150000 _ 0 Tone 88.5 88.5 023 NN NFM _ 6.25 []",
      "14 440000000 + 5500000 TSQL 88.5 88.5 023 NN FM _ 6.25 []",
      "15 438500000 off 0 TSQL 88.5 97.4 023 NN NFM S 6.25 [freq shift; busy lock]",
      "16 439000000 + 7600000 Tone 118.8 88.5 023 NN FM _ 6.25 []",
  };
  // Rows 6..12 are the cross modes; every other row carries CHIRP's fillers.
  const char* cross[] = {"Tone->Tone 023", "Tone->DTCS 411", "DTCS->Tone 023", "DTCS-> 023",
                         "->Tone 023",     "->DTCS 026",     "DTCS->DTCS 754"};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    std::string line = expected[i];
    if (reads_cross && i > 0) line += std::string(" ") + (i >= 6 && i <= 12 ? cross[i - 6] : "Tone->Tone 023");
    EXPECT_NE(r.out.find(line + "\n"), std::string::npos) << line << "\n" << r.out;
  }
}

// CHIRP's stock lists as the package ships them, into band 3 and band 1 sets.
TEST_F(ChirpCli, ChirpsStockListsImportTheRightChannelsAndNameTheRowsTheyCannotTake) {
  if (!fs::exists(kStock / "EU LPD and PMR Channels.csv"))
    GTEST_SKIP() << "CHIRP's stock lists are not installed (apt-get install chirp): " << kStock;
  const fs::path pmr = kStock / "EU LPD and PMR Channels.csv";
  const CliResult p = cli("import-csv " + q(pmr) + " --base " + q(path("band3.t12")) + " -o " + q(path("p.t12")));
  ASSERT_EQ(p.status, 0) << p.err;
  EXPECT_NE(p.err.find(pmr.string() + ": строка 2 (Location 1, «LPD 01») пропущена: частота приёма 433.075000 МГц "
                                      "вне диапазона 436.000000 – 472.000000 МГц\n"),
            std::string::npos);
  const Blok pb = load("p.t12");
  EXPECT_EQ(frequency_hz(pb, 1, Dir::rx), 446006250) << "PMR 01 in exact 6.25 kHz steps";
  EXPECT_TRUE(channel_flag(pb, 1, ChannelFlag::narrow));

  const fs::path frs = kStock / "US FRS and GMRS Channels.csv";
  const CliResult f = cli("import-csv " + q(frs) + " --base " + q(path("band3.t12")) + " -o " + q(path("f.t12")));
  ASSERT_EQ(f.status, 0) << f.err;
  EXPECT_EQ(f.out, "Строк CHIRP внесено: 16 из 52, в каналы 1–16; записан «" + path("f.t12").string() + "»\n");
  const Blok fb = load("f.t12");
  EXPECT_EQ(frequency_hz(fb, 1, Dir::rx), 462562500);
  EXPECT_EQ(frequency_hz(fb, 8, Dir::rx), 467562500);
  EXPECT_EQ(frequency_hz(fb, 16, Dir::tx), 462575000);
  EXPECT_TRUE(channel_flag(fb, 16, ChannelFlag::narrow));
  const CliResult rpt = cli("import-csv " + q(frs) + " --base " + q(path("band3.t12")) + " -o " + q(path("r.t12")) +
                            " --locations 45-52");
  ASSERT_EQ(rpt.status, 0) << rpt.err;
  const Blok rb = load("r.t12");
  EXPECT_EQ(frequency_hz(rb, 1, Dir::rx), 462550000);
  EXPECT_EQ(frequency_hz(rb, 1, Dir::tx), 467550000) << "GMRS repeater input, + 5 MHz";
  EXPECT_FALSE(channel_flag(rb, 1, ChannelFlag::narrow));
  EXPECT_FALSE(channel_flag(rb, 9, ChannelFlag::on));

  const fs::path marine = kStock / "US Marine VHF Channels.csv";
  const CliResult m = cli("import-csv " + q(marine) + " --base " + q(path("band1.t12")) + " -o " + q(path("m.t12")) +
                          " --locations 16,1-5");
  ASSERT_EQ(m.status, 0) << m.err;
  const Blok mb = load("m.t12");
  EXPECT_EQ(frequency_hz(mb, 1, Dir::rx), 160650000);
  EXPECT_EQ(frequency_hz(mb, 1, Dir::tx), 156050000) << "duplex \"-\" 4.6 MHz";
  EXPECT_EQ(frequency_hz(mb, 6, Dir::rx), 156800000) << "file order: SEA 16 after SEA 05";
  EXPECT_EQ(frequency_hz(mb, 6, Dir::tx), 156800000);
  EXPECT_FALSE(channel_flag(mb, 7, ChannelFlag::on));
  const CliResult m3 = cli("import-csv " + q(marine) + " --base " + q(path("band3.t12")) + " -o " + q(path("x.t12")));
  EXPECT_EQ(m3.status, 1) << "marine VHF lies outside band 3";
}

}  // namespace
}  // namespace tirel
