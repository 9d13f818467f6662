// CSV as spreadsheets save it on a Russian system, and the messages a user reads about a file
// that is not quite right.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "files/csv.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

// The header row in Windows-1251, separated by semicolons, as a spreadsheet saves it.
const std::string kHeader1251 =
    "\xB9" ";"
    "\xCA\xE0\xED\xE0\xEB \xE2\xFB\xEA\xEB\xFE\xF7\xE5\xED" ";"
    "\xC7\xE0\xEF\xF0\xE5\xF2 \xEF\xE5\xF0\xE5\xE4\xE0\xF7\xE8" ";"
    "\xD7\xE0\xF1\xF2\xEE\xF2\xE0 \xCF\xD0\xCC (\xCC\xC3\xF6)" ";"
    "\xD1\xF3\xE1\xF2\xEE\xED \xCF\xD0\xCC" ";"
    "\xD7\xE0\xF1\xF2\xEE\xF2\xE0 \xCF\xD0\xC4 (\xCC\xC3\xF6)" ";"
    "\xD1\xF3\xE1\xF2\xEE\xED \xCF\xD0\xC4" ";"
    "\xD1\xE4\xE2\xE8\xE3 \xF7\xE0\xF1\xF2\xEE\xF2\xFB" ";"
    "\xD8\xE8\xF0\xE8\xED\xE0 \xEA\xE0\xED\xE0\xEB\xE0" ";"
    "\xD1\xEA\xE0\xED\xE8\xF0\xEE\xE2\xE0\xED\xE8\xE5" ";"
    "\xC7\xE0\xEF\xF0\xE5\xF2 \xEF\xE5\xF0\xE5\xE4\xE0\xF7\xE8 \xED\xE0 \xE7\xE0\xED\xFF\xF2\xEE\xEC \xEA\xE0\xED\xE0\xEB\xE5\r\n";

const std::string kHeader =
    "№,Канал выключен,Запрет передачи,Частота ПРМ (МГц),Субтон ПРМ,Частота ПРД (МГц),Субтон ПРД,"
    "Сдвиг частоты,Ширина канала,Сканирование,Запрет передачи на занятом канале\r\n";

std::vector<std::string> messages(const CsvImport& r) {
  std::vector<std::string> m;
  for (const CsvError& e : r.errors) m.push_back(csv_error_text(e));
  return m;
}

TEST(CsvSpreadsheet, AWindows1251FileWithSemicolonsAndDecimalCommasIsRead) {
  const std::string csv = kHeader1251 +
                          "1;no;yes;150,012500;67,0;151,025000;D023N;on;12,5;off;on\r\n"
                          "2;1;0;160,000000;off;160,000000;off;0;25;1;0\r\n";
  const CsvImport r = import_csv(csv, new_blok(1));
  ASSERT_TRUE(r.ok) << csv_error_text(r.errors.at(0));
  EXPECT_EQ(r.encoding, csv::Encoding::windows1251);
  EXPECT_EQ(csv_encoding_text(r), "Файл CSV прочитан в кодировке Windows-1251.");
  EXPECT_EQ(r.channels, 2);
  EXPECT_EQ(frequency_hz(r.blok, 1, Dir::rx), 150012500);
  EXPECT_EQ(frequency_hz(r.blok, 1, Dir::tx), 151025000);
  EXPECT_EQ(tone_type(r.blok, 1, Dir::rx), kToneCtcss);
  EXPECT_EQ(tone_type(r.blok, 1, Dir::tx), kToneDcs);
  EXPECT_FALSE(channel_flag(r.blok, 1, ChannelFlag::tx_enabled));
  EXPECT_TRUE(channel_flag(r.blok, 1, ChannelFlag::narrow));
  EXPECT_TRUE(channel_flag(r.blok, 1, ChannelFlag::scan_skip));
  EXPECT_FALSE(channel_flag(r.blok, 2, ChannelFlag::on));
  EXPECT_EQ(frequency_hz(r.blok, 2, Dir::rx), 160000000);

  const CsvImport utf8 = import_csv(kHeader + "1,no,no,150.000000,off,150.000000,off,off,25,on,off\r\n", new_blok(1));
  ASSERT_TRUE(utf8.ok);
  EXPECT_EQ(csv_encoding_text(utf8), "Файл CSV прочитан в кодировке UTF-8.");
}

TEST(CsvSpreadsheet, AWrongHeadingInAWindows1251FileIsQuotedInReadableLetters) {
  std::string csv = kHeader1251 + "1;no;no;150,0;off;150,0;off;off;25;on;off\r\n";
  csv.replace(csv.find("\xCF\xD0\xCC;"), 3, "\xCF\xD0\xC6");  // "Субтон ПРЖ"
  const CsvImport r = import_csv(csv, new_blok(1));
  EXPECT_EQ(r.encoding, csv::Encoding::windows1251);
  EXPECT_EQ(messages(r), std::vector<std::string>{
                             "строка 1, столбец 5: заголовок столбца должен быть «Субтон ПРМ», а не «Субтон ПРЖ»"});
}

TEST(CsvSpreadsheet, ADecimalCommaInACommaSeparatedFileIsNamedAsSuch) {
  const CsvImport r = import_csv(kHeader + "1,no,no,150,012500,off,150.000000,off,off,25,on,off\r\n", new_blok(1));
  EXPECT_EQ(messages(r),
            std::vector<std::string>{
                "строка 2: в строке 12 ячеек, нужно 11: десятичная запятая в числе «150,012500» разделила его на два "
                "столбца, потому что столбцы в файле разделены запятыми. Пишите числа с точкой (150.012500) или "
                "разделяйте столбцы точкой с запятой"});
}

TEST(CsvSpreadsheet, CountsAreInTheRightRussianForm) {
  const Blok base = new_blok(1);
  EXPECT_EQ(messages(import_csv("№\r\n", base)),
            std::vector<std::string>{"строка 1: в заголовке 1 столбец, нужно 11"});
  EXPECT_EQ(messages(import_csv("№,a,b\r\n", base)),
            std::vector<std::string>{"строка 1: в заголовке 3 столбца, нужно 11"});
  EXPECT_EQ(messages(import_csv(std::string(10, ',') + ",x\r\n", base)),
            std::vector<std::string>{"строка 1: в заголовке 12 столбцов, нужно 11"});
  EXPECT_EQ(messages(import_csv("№" + std::string(20, ',') + "\r\n", base)),
            std::vector<std::string>{"строка 1: в заголовке 21 столбец, нужно 11"});
  EXPECT_EQ(messages(import_csv(kHeader + "1\r\n2,no,no\r\n3" + std::string(13, ',') + "\r\n", base)),
            (std::vector<std::string>{"строка 2: в строке 1 ячейка, нужно 11", "строка 3: в строке 3 ячейки, нужно 11",
                                      "строка 4: в строке 14 ячеек, нужно 11"}));
}

TEST(CsvSpreadsheet, BadCellsOfARowAreListedLeftToRightAndFlagsSayWhatTheyAccept) {
  const CsvImport r =
      import_csv(kHeader + "4,maybe,no,190.000000,68.0,150.000000,off,perhaps,25,on,off\r\n", new_blok(1));
  EXPECT_EQ(messages(r),
            (std::vector<std::string>{
                "строка 2, столбец 2: «maybe» — нужно yes или no (можно 1 или 0)",
                "строка 2, столбец 4: частота 190,000000 вне диапазона 136,000000 – 175,000000 МГц",
                "строка 2, столбец 5: субтон «68.0» не из таблиц: нужно off, тон CTCSS от 67.0 до 254.1 или код DCS "
                "вида D023N / D023I",
                "строка 2, столбец 8: «perhaps» — нужно on или off (можно 1 или 0)"}));
}

}  // namespace
}  // namespace tirel
