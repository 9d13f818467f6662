#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "csv_sets.h"
#include "text_lines.h"
#include "files/csv.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

const std::string kHeader =
    "№,Канал выключен,Запрет передачи,Частота ПРМ (МГц),Субтон ПРМ,Частота ПРД (МГц),Субтон ПРД,"
    "Сдвиг частоты,Ширина канала,Сканирование,Запрет передачи на занятом канале\r\n";

using test::lines_of;

// Replaces row `n`'s cell in column `c` (1-based) of an exported text.
std::string with_cell(const std::string& csv, int n, int c, const std::string& value) {
  auto lines = lines_of(csv);
  std::string& row = lines[static_cast<std::size_t>(n)];
  std::size_t start = 0;
  for (int k = 1; k < c; ++k) start = row.find(',', start) + 1;
  const std::size_t end = row.find(',', start);
  row.replace(start, end == std::string::npos ? std::string::npos : end - start, value);
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::pair<int, int>> places(const CsvImport& r) {
  std::vector<std::pair<int, int>> p;
  for (const auto& e : r.errors) p.emplace_back(e.line, e.column);
  return p;
}

TEST(CsvExport, WritesHeaderAndOneRowPerChannelInTheDocumentedForm) {
  const std::string csv = export_csv(new_blok(1));
  ASSERT_TRUE(csv.starts_with(kHeader));
  const auto lines = lines_of(csv);
  ASSERT_EQ(lines.size(), 17u);
  for (int n = 1; n <= 16; ++n)
    EXPECT_EQ(lines[static_cast<std::size_t>(n)],
              std::to_string(n) + ",no,no,150.000000,off,150.000000,off,off,25,on,off");
}

TEST(CsvExport, OffAndInhibitedChannelsKeepTheirValuesAndFlagsUseTheWindowsPolarity) {
  const auto lines = lines_of(export_csv(test::edited_set()));
  // Channel 16 is off and inhibited; its flags come from the bits of 16: 25 kHz, scanned.
  EXPECT_EQ(lines[16], "16,yes,yes,168.002500,250.3,172.207500,D606I,off,25,on,off");
  // Channel 13: extreme CTCSS tones, shift on, 25 kHz, skipped in scanning, busy lock on.
  EXPECT_EQ(lines[13], "13,no,no,162.012500,67.0,165.612500,254.1,on,25,off,on");
  EXPECT_EQ(lines[14], "14,no,no,164.002500,D023N,167.807500,D754I,off,12.5,off,on");
}

TEST(CsvExport, NamesWhatTheTablesCannotInTheRawForm) {
  const auto lines = lines_of(export_csv(test::odd_set()));
  EXPECT_NE(lines[2].find(",150.000000,"), std::string::npos);
  EXPECT_NE(lines[3].find(",100.000000,"), std::string::npos);
  EXPECT_NE(lines[5].find(",1638.393750,"), std::string::npos);
  EXPECT_NE(lines[6].find(",raw:4:"), std::string::npos);
  EXPECT_NE(lines[8].find(",raw:1:0014,"), std::string::npos);
  EXPECT_NE(lines[10].find(",raw:3:0A00,"), std::string::npos);
  EXPECT_NE(lines[11].find(",off,"), std::string::npos);  // off, whatever value lies behind it
}

TEST(CsvRoundTrip, ExportImportedOntoItsOwnSetGivesTheSameBytes) {
  std::vector<Blok> sets{test::edited_set(), test::odd_set()};
  for (int band = 0; band < 6; ++band) sets.push_back(new_blok(band));
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const CsvImport r = import_csv(export_csv(sets[i]), sets[i]);
    ASSERT_TRUE(r.ok) << "set " << i << ": " << (r.errors.empty() ? "" : csv_error_text(r.errors[0]));
    EXPECT_EQ(r.channels, 16);
    EXPECT_EQ(r.blok, sets[i]) << "set " << i;
  }
}

TEST(CsvRoundTrip, AnyBytesAFileOrRadioMayHoldComeBackUnchanged) {
  std::mt19937 rng(12);
  for (int round = 0; round < 300; ++round) {
    Blok b = new_blok(static_cast<int>(rng() % 7));
    for (int off = 0; off < record_offset(33); ++off)
      if (rng() % 3 == 0) b[static_cast<std::size_t>(off)] = static_cast<std::uint8_t>(rng());
    const CsvImport r = import_csv(export_csv(b), b);
    ASSERT_TRUE(r.ok) << "round " << round << ": " << csv_error_text(r.errors.at(0));
    ASSERT_EQ(r.blok, b) << "round " << round;
  }
}

TEST(CsvRoundTrip, ImportOntoDefaultsStoresWhatTheEditorsStored) {
  const Blok edited = test::edited_set();
  const CsvImport r = import_csv(export_csv(edited), new_blok(1));
  ASSERT_TRUE(r.ok) << csv_error_text(r.errors.at(0));
  EXPECT_EQ(r.blok, edited);
}

TEST(CsvImport, FrequenciesAreCheckedAgainstTheBandBeforeRoundingAndRoundedAsEntry) {
  const Blok base = new_blok(1);
  const std::string csv = export_csv(base);
  const CsvImport r = import_csv(with_cell(with_cell(csv, 1, 4, "150.001000"), 2, 6, "146.0025"), base);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(frequency_hz(r.blok, 1, Dir::rx), 150000000);
  EXPECT_TRUE(steps_of_6250(r.blok, 1, Dir::rx));  // entered, so stored as entry stores it
  EXPECT_EQ(frequency_hz(r.blok, 2, Dir::tx), 146002500);
  EXPECT_FALSE(steps_of_6250(r.blok, 2, Dir::tx));
  EXPECT_TRUE(steps_of_6250(r.blok, 3, Dir::rx) == steps_of_6250(base, 3, Dir::rx));  // untouched

  EXPECT_TRUE(import_csv(with_cell(csv, 1, 4, "175.000000"), base).ok);
  EXPECT_TRUE(import_csv(with_cell(csv, 1, 4, "136"), base).ok);
  const CsvImport high = import_csv(with_cell(csv, 1, 4, "175.001000"), base);
  ASSERT_FALSE(high.ok);
  EXPECT_EQ(csv_error_text(high.errors.at(0)),
            "строка 2, столбец 4: частота 175,001000 вне диапазона 136,000000 – 175,000000 МГц");
  // The limits follow the base set's band code.
  EXPECT_TRUE(import_csv(with_cell(export_csv(new_blok(0)), 1, 4, "135.000000"), new_blok(0)).ok);
  EXPECT_FALSE(import_csv(with_cell(csv, 1, 4, "135.000000"), base).ok);
}

TEST(CsvImport, SubTonesComeFromTheTablesAndAreStoredByTheDialogsRule) {
  const Blok base = new_blok(1);
  // Cells with a comma go in last: the helper counts commas.
  std::string csv = with_cell(export_csv(base), 1, 7, "d754i");
  csv = with_cell(csv, 1, 5, "\"100,0\"");
  csv = with_cell(csv, 2, 5, "raw:3:0670");  // the raw form of 67.0 is 67.0
  const CsvImport r = import_csv(csv, base);
  ASSERT_TRUE(r.ok) << csv_error_text(r.errors.at(0));
  EXPECT_EQ(tone_type(r.blok, 1, Dir::rx), kToneCtcss);
  EXPECT_EQ(tone_value(r.blok, 1, Dir::rx), 0x1000);
  EXPECT_EQ(tone_type(r.blok, 1, Dir::tx), kToneDcsInverted);
  EXPECT_EQ(tone_value(r.blok, 1, Dir::tx), 0x01EC);
  EXPECT_EQ(tone_value(r.blok, 2, Dir::rx), 0x0670);

  // A raw value can stay as the base has it but cannot be entered anywhere else.
  const Blok odd = test::odd_set();
  const CsvImport moved = import_csv(with_cell(export_csv(odd), 1, 5, "raw:3:0A00"), odd);
  ASSERT_FALSE(moved.ok);
  EXPECT_EQ(places(moved), (std::vector<std::pair<int, int>>{{2, 5}}));
}

TEST(CsvImport, FlagColumnsSetTheBitsTheWindowsBoxesAndColumnsShow) {
  const Blok base = new_blok(1);
  std::string csv = export_csv(base);
  csv = with_cell(csv, 3, 2, "yes");
  csv = with_cell(csv, 3, 3, "1");
  csv = with_cell(csv, 3, 8, "on");
  csv = with_cell(csv, 3, 10, "OFF");
  csv = with_cell(csv, 3, 11, "on");
  csv = with_cell(csv, 3, 9, "\"12,5\"");
  const CsvImport r = import_csv(csv, base);
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(channel_flag(r.blok, 3, ChannelFlag::on));
  EXPECT_FALSE(channel_flag(r.blok, 3, ChannelFlag::tx_enabled));
  EXPECT_TRUE(channel_flag(r.blok, 3, ChannelFlag::shift));
  EXPECT_TRUE(channel_flag(r.blok, 3, ChannelFlag::narrow));
  EXPECT_TRUE(channel_flag(r.blok, 3, ChannelFlag::scan_skip));
  EXPECT_TRUE(channel_flag(r.blok, 3, ChannelFlag::busy_lock));
  Blok expected = base;
  expected[static_cast<std::size_t>(layout::freq_top(3, Dir::rx))] &= 0xF7;
  expected[static_cast<std::size_t>(layout::freq_top(3, Dir::tx))] &= 0xF7;
  expected[static_cast<std::size_t>(layout::channel_flags_byte(3))] = 0x17;
  EXPECT_EQ(r.blok, expected);
}

TEST(CsvImport, ReportsEveryBadCellWithLineAndColumnAndEntersNothing) {
  const Blok base = test::edited_set();
  std::string csv = export_csv(base);
  csv = with_cell(csv, 1, 4, "180.000000");  // outside band 1
  csv = with_cell(csv, 1, 5, "68.0");        // no such CTCSS tone
  csv = with_cell(csv, 2, 7, "D024N");       // no such DCS code
  csv = with_cell(csv, 3, 2, "maybe");
  csv = with_cell(csv, 4, 9, "20");
  csv = with_cell(csv, 5, 6, "15O.000000");  // a letter O
  csv = with_cell(csv, 6, 1, "17");
  csv = with_cell(csv, 8, 1, "7");           // channel 7 twice
  csv += "9,no,no\r\n";                      // a short row
  const CsvImport r = import_csv(csv, base);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(places(r), (std::vector<std::pair<int, int>>{
                           {2, 4}, {2, 5}, {3, 7}, {4, 2}, {5, 9}, {6, 6}, {7, 1}, {9, 1}, {18, 0}}));
  for (const auto& e : r.errors) EXPECT_FALSE(e.message.empty());
  EXPECT_EQ(r.errors[7].message, "канал 7 уже был в строке 8");
  EXPECT_EQ(r.blok, Blok{});
}

TEST(CsvImport, AWrongHeaderIsReportedAloneSinceNoColumnCanBeTrusted) {
  const Blok base = new_blok(1);
  std::string csv = export_csv(base);
  csv.replace(csv.find("Субтон ПРМ"), std::string("Субтон ПРМ").size(), "Субтон ПРД");
  const CsvImport r = import_csv(with_cell(csv, 1, 4, "999"), base);
  EXPECT_EQ(places(r), (std::vector<std::pair<int, int>>{{1, 5}}));
  EXPECT_EQ(places(import_csv("", base)), (std::vector<std::pair<int, int>>{{1, 0}}));
}

TEST(CsvImport, ReadsWhatSpreadsheetsSave) {
  const Blok edited = test::edited_set();
  // Semicolons, a byte order mark, bare LF line ends, quoted cells, blank lines.
  std::string csv = export_csv(edited);
  std::string converted = "\xEF\xBB\xBF";
  for (char c : csv) {
    if (c == '\r') continue;
    converted += c == ',' ? ';' : c;
  }
  converted.replace(converted.find("\n1;") + 1, 1, "\"1\"");
  converted += ";;;;;;;;;;\n\n";
  const CsvImport r = import_csv(converted, new_blok(1));
  ASSERT_TRUE(r.ok) << csv_error_text(r.errors.at(0));
  EXPECT_EQ(r.blok, edited);

  const CsvImport open = import_csv(kHeader + "1,no,\"no,150.0\r\n2,no\r\n", new_blok(1));
  EXPECT_EQ(places(open), (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST(CsvImport, ChannelsWithoutARowStayAsInTheBase) {
  const Blok base = test::edited_set();
  const auto lines = lines_of(export_csv(new_blok(1)));
  const CsvImport r = import_csv(kHeader + lines[5] + "\r\n", base);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.channels, 1);
  for (int n = 1; n <= 16; ++n)
    EXPECT_EQ(frequency_hz(r.blok, n, Dir::rx), n == 5 ? 150000000 : frequency_hz(base, n, Dir::rx));
}

TEST(CsvImport, MangledFilesNeverTouchMoreThanTheChannelsAndAlwaysSayWhere) {
  const Blok base = test::odd_set();
  const std::string csv = export_csv(test::edited_set());
  const std::string alphabet = "0123456789.,;\"\r\n -offyesnoD1INraw:";
  std::mt19937 rng(7);
  for (int round = 0; round < 500; ++round) {
    std::string text = csv;
    for (int k = 1 + static_cast<int>(rng() % 4); k > 0; --k) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 3) {
        case 0: text[at] = alphabet[rng() % alphabet.size()]; break;
        case 1: text.erase(at, 1 + rng() % 3); break;
        default: text.insert(at, 1, alphabet[rng() % alphabet.size()]);
      }
    }
    const CsvImport r = import_csv(text, base);
    if (!r.ok) {
      ASSERT_FALSE(r.errors.empty());
      for (const auto& e : r.errors) ASSERT_GE(e.line, 1);
      continue;
    }
    // Settings, fixed table, band and the unused records are the base's, byte for byte.
    ASSERT_TRUE(std::equal(r.blok.begin() + record_offset(33), r.blok.end(), base.begin() + record_offset(33)));
  }
}

TEST(CsvImport, HostileTextIsRefusedQuietly) {
  const Blok base = new_blok(1);
  EXPECT_FALSE(import_csv(std::string(kMaxCsvFileSize + 1, 'a'), base).ok);
  // Control characters and broken UTF-8 are not echoed into the message.
  const CsvImport r = import_csv(with_cell(export_csv(base), 1, 5, std::string("\x1b[2J\xff\xfe", 6)), base);
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_EQ(r.errors[0].message.find('\x1b'), std::string::npos);
  EXPECT_EQ(r.errors[0].message.find('\xff'), std::string::npos);
  // A thousand bad rows give a bounded list.
  std::string many = kHeader;
  for (int i = 0; i < 1000; ++i) many += "x,x,x,x,x,x,x,x,x,x,x\r\n";
  const CsvImport flood = import_csv(many, base);
  EXPECT_LE(flood.errors.size(), 101u);
}

}  // namespace
}  // namespace tirel
