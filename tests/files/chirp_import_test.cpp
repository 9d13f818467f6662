// CHIRP lists read against a parameter set: which rows are taken, why the others are not, and the
// bytes the taken rows leave in the channels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "chirp_lists.h"
#include "files/chirp_csv.h"

namespace tirel {
namespace {

using layout::ChannelFlag;
using test::chirp_list;

struct ToneBytes {
  std::uint8_t rx_type;
  std::uint16_t rx_value;
  std::uint8_t tx_type;
  std::uint16_t tx_value;
};

TEST(ChirpImport, EveryToneModeAndCrossModeStoresWhatTheSubToneDialogWould) {
  const Blok base = new_blok(3);
  const chirp::List list = chirp::read_list(chirp_list("tone_modes.csv"), base);
  ASSERT_EQ(list.error, "");
  ASSERT_EQ(list.rows.size(), 24u);
  EXPECT_EQ(chirp::default_choice(list, 1),
            (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19}));
  const chirp::Applied a = chirp::apply_rows(base, list, chirp::default_choice(list, 1), 1);
  ASSERT_TRUE(a.ok) << a.error;
  const Blok& b = a.blok;

  const ToneBytes expected[16] = {
      {0x00, 0x0000, 0x00, 0x0000},  // ""
      {0x00, 0x0000, 0x30, 0x1000},  // Tone 100.0
      {0x30, 0x1230, 0x30, 0x1230},  // TSQL 123.0 (rToneFreq is a filler)
      {0x50, 0x0013, 0x50, 0x0013},  // DTCS 023 NN
      {0x50, 0x01EC, 0x70, 0x01EC},  // DTCS 754 RN: transmit inverted
      {0x30, 0x2541, 0x30, 0x0670},  // Tone->Tone 67.0 / 254.1
      {0x70, 0x0109, 0x30, 0x0825},  // Tone->DTCS 82.5 / RxDtcsCode 411 R
      {0x30, 0x1514, 0x70, 0x006D},  // DTCS->Tone 155 R / 151.4
      {0x00, 0x0000, 0x50, 0x00F9},  // DTCS-> 371
      {0x30, 0x2035, 0x00, 0x0000},  // ->Tone 203.5
      {0x70, 0x0016, 0x00, 0x0000},  // ->DTCS 026 R
      {0x70, 0x01EC, 0x70, 0x0013},  // DTCS->DTCS 023 R / 754 R
      {0x00, 0x0000, 0x30, 0x0885},  // Tone-> 88.5
      {0x30, 0x0885, 0x30, 0x0885},  // split, TSQL "88.50"
      {0x30, 0x0974, 0x30, 0x0974},  // off duplex, TSQL 97.4 with a broken rToneFreq nobody uses
      {0x00, 0x0000, 0x30, 0x1188},  // + 7.6 MHz, Tone 118.8
  };
  for (int n = 1; n <= 16; ++n) {
    const ToneBytes& e = expected[n - 1];
    EXPECT_EQ(tone_type(b, n, Dir::rx), e.rx_type) << "channel " << n;
    EXPECT_EQ(tone_value(b, n, Dir::rx), e.rx_value) << "channel " << n;
    EXPECT_EQ(tone_type(b, n, Dir::tx), e.tx_type) << "channel " << n;
    EXPECT_EQ(tone_value(b, n, Dir::tx), e.tx_value) << "channel " << n;
    EXPECT_TRUE(channel_flag(b, n, ChannelFlag::on)) << "channel " << n;
    EXPECT_EQ(channel_flag(b, n, ChannelFlag::narrow), n >= 2 && n != 14 && n != 16) << "channel " << n;
  }
  EXPECT_EQ(frequency_hz(b, 2, Dir::rx), 440012500);
  EXPECT_TRUE(steps_of_6250(b, 2, Dir::rx)) << "stored as the frequency dialog stores it";
  EXPECT_EQ(frequency_hz(b, 14, Dir::rx), 440000000);
  EXPECT_EQ(frequency_hz(b, 14, Dir::tx), 445500000);
  EXPECT_EQ(frequency_hz(b, 16, Dir::tx), 446600000);
  EXPECT_FALSE(channel_flag(b, 15, ChannelFlag::tx_enabled));
  EXPECT_TRUE(channel_flag(b, 16, ChannelFlag::tx_enabled));
  EXPECT_EQ(frequency_hz(b, 15, Dir::tx), 438500000);
  for (ChannelFlag f : {ChannelFlag::scan_skip, ChannelFlag::shift, ChannelFlag::busy_lock}) {
    EXPECT_TRUE(channel_flag(b, 15, f));
    EXPECT_FALSE(channel_flag(b, 14, f));
  }
}

TEST(ChirpImport, RowsTheRadioCannotTakeAreNamedWithLineAndReason) {
  const chirp::List list = chirp::read_list(chirp_list("tone_modes.csv"), new_blok(3));
  ASSERT_EQ(list.rows.size(), 24u);
  const std::pair<int, std::string> refused[] = {
      {15, "режим субтонов Tone «TSQL-R» — у радиостанции есть только \"\", \"Tone\", \"TSQL\", \"DTCS\" и \"Cross\""},
      {16, "режим субтонов Tone «DTCS-R» — у радиостанции есть только \"\", \"Tone\", \"TSQL\", \"DTCS\" и \"Cross\""},
      {17, "тон CTCSS «69.4» (rToneFreq) не из таблицы 50 тонов"},
      {18, "код DCS «036» (DtcsCode) не из таблицы 83 кодов"},
      {22, "тон CTCSS «100.05» (rToneFreq) не из таблицы 50 тонов"},
      {23, "частота приёма 446.001200 МГц не кратна ни 2,5 кГц, ни 6,25 кГц (радиостанция не настроится на неё точно)"},
      {24, "частота передачи 444.000100 МГц не кратна ни 2,5 кГц, ни 6,25 кГц (радиостанция не настроится на неё точно)"},
      {25, "DtcsPolarity «NX» — нужно две буквы N или R"},
  };
  std::size_t k = 0;
  for (const chirp::Row& r : list.rows) {
    if (r.importable()) continue;
    ASSERT_LT(k, std::size(refused)) << "line " << r.line;
    EXPECT_EQ(r.line, refused[k].first);
    EXPECT_EQ(r.refusals, std::vector<std::string>{refused[k].second}) << "line " << r.line;
    ++k;
  }
  EXPECT_EQ(k, std::size(refused));
}

TEST(ChirpImport, MarineListWithMinusDuplexFillsBand1InFileOrder) {
  const Blok base = new_blok(1);
  const chirp::List list = chirp::read_list(chirp_list("marine_vhf.csv"), base);
  ASSERT_EQ(list.rows.size(), 22u);
  EXPECT_EQ(list.rows[3].refusals,
            (std::vector<std::string>{"частота приёма 121.500000 МГц вне диапазона 136.000000 – 175.000000 МГц",
                                      "Mode «AM» — радиостанция работает только в FM (25 кГц) и NFM (12,5 кГц)"}));
  EXPECT_EQ(list.rows[17].refusals,
            std::vector<std::string>{"Mode «DV» — радиостанция работает только в FM (25 кГц) и NFM (12,5 кГц)"});
  EXPECT_EQ(list.rows[6].notes,
            std::vector<std::string>{"метку приоритета Skip \"P\" радиостанция не хранит: канал будет сканироваться"});
  EXPECT_EQ(list.rows[6].location, "7");
  EXPECT_EQ(list.rows[6].name, "SEA 16");

  const auto chosen = chirp::default_choice(list, 1);
  EXPECT_EQ(chosen, (std::vector<std::size_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  const chirp::Applied a = chirp::apply_rows(base, list, chosen, 1);
  ASSERT_TRUE(a.ok) << a.error;
  EXPECT_EQ(frequency_hz(a.blok, 1, Dir::rx), 160650000);
  EXPECT_EQ(frequency_hz(a.blok, 1, Dir::tx), 156050000);
  EXPECT_EQ(frequency_hz(a.blok, 3, Dir::tx), 156300000);
  EXPECT_EQ(frequency_hz(a.blok, 16, Dir::rx), 156475000);
  EXPECT_TRUE(channel_flag(a.blok, 5, ChannelFlag::scan_skip)) << "SEA 13, Skip S";
  EXPECT_FALSE(channel_flag(a.blok, 6, ChannelFlag::scan_skip)) << "SEA 16, Skip P";
  EXPECT_TRUE(channel_flag(a.blok, 13, ChannelFlag::scan_skip)) << "WX 1";
  EXPECT_FALSE(channel_flag(a.blok, 3, ChannelFlag::shift)) << "a comment without our words";

  // From channel 5 on only twelve rows fit; channels 1..4 stay as they were.
  const auto from5 = chirp::default_choice(list, 5);
  ASSERT_EQ(from5.size(), 12u);
  const chirp::Applied b = chirp::apply_rows(base, list, from5, 5);
  ASSERT_TRUE(b.ok) << b.error;
  for (int i = 0; i < layout::channel_base(5); ++i) ASSERT_EQ(b.blok[static_cast<std::size_t>(i)], base[static_cast<std::size_t>(i)]);
  EXPECT_EQ(frequency_hz(b.blok, 5, Dir::rx), 160650000);
  EXPECT_EQ(frequency_hz(b.blok, 16, Dir::rx), 162000000);
}

TEST(ChirpImport, Pmr446ListIntoBand3TakesPmrInExactSixPointTwoFiveStepsAndRefusesLpdOutOfBand) {
  const chirp::List list = chirp::read_list(chirp_list("pmr446_lpd.csv"), new_blok(3));
  ASSERT_EQ(list.rows.size(), 14u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_FALSE(list.rows[i].importable()) << "LPD row " << i;
  for (std::size_t i = 6; i < 14; ++i) EXPECT_TRUE(list.rows[i].importable()) << "PMR row " << i;
  EXPECT_EQ(list.rows[0].refusals,
            std::vector<std::string>{"частота приёма 433.075000 МГц вне диапазона 436.000000 – 472.000000 МГц"});
  EXPECT_EQ(list.rows[6].line, 8);
  const std::vector<std::size_t> pmr{6, 7, 8, 9, 10, 11, 12, 13};
  EXPECT_EQ(chirp::default_choice(list, 1), pmr);
  const chirp::Applied a = chirp::apply_rows(new_blok(3), list, pmr, 1);
  ASSERT_TRUE(a.ok) << a.error;
  // 446.00625 MHz is 71361 steps of 6.25 kHz (0x116C1): never rounded to 446.005 MHz.
  const std::uint8_t record1[12] = {0x57, 0x00, 0x00, 0x08, 0xC1, 0x16, 0x0D, 0x00, 0x00, 0xC1, 0x16, 0x0D};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(a.blok[static_cast<std::size_t>(i)], record1[i]) << "channel 1, byte " << i;
  // PMR 08 in channel 8 (record 15 at offset 168), 446.09375 MHz: 71375 steps (0x116CF).
  EXPECT_EQ(a.blok[172], 0xCF);
  EXPECT_EQ(a.blok[173], 0x16);
  EXPECT_EQ(frequency_hz(a.blok, 8, Dir::tx), 446093750);
  EXPECT_FALSE(channel_flag(a.blok, 9, ChannelFlag::on));
}

TEST(ChirpImport, OnlyChosenChannelsChangeTheRestAreSwitchedOffAndNothingIsHalfDone) {
  Blok base = new_blok(3);
  set_channel_flag(base, 1, ChannelFlag::busy_lock, true);
  base[layout::channel_flags_byte(9)] = 0xE9;  // bits no edit touches
  const chirp::List list = chirp::read_list(chirp_list("tone_modes.csv"), base);
  const chirp::Applied a = chirp::apply_rows(base, list, {1, 2, 3}, 2);
  ASSERT_TRUE(a.ok) << a.error;
  for (int i = 0; i < layout::channel_base(2); ++i) ASSERT_EQ(a.blok[static_cast<std::size_t>(i)], base[static_cast<std::size_t>(i)]);
  for (int n = 5; n <= 16; ++n) {
    EXPECT_FALSE(channel_flag(a.blok, n, ChannelFlag::on)) << "channel " << n;
    for (int i = layout::channel_base(n); i < layout::channel_base(n) + 24; ++i) {
      if (i == layout::freq_top(n, Dir::rx)) continue;
      ASSERT_EQ(a.blok[static_cast<std::size_t>(i)], base[static_cast<std::size_t>(i)]) << "channel " << n;
    }
    EXPECT_EQ(a.blok[static_cast<std::size_t>(layout::freq_top(n, Dir::rx))], 0x02) << "only the on flag cleared";
  }
  EXPECT_EQ(a.blok[static_cast<std::size_t>(layout::channel_flags_byte(9))], 0xE9);
  for (int i = layout::channel_base(17); i < kBlokSize; ++i)
    ASSERT_EQ(a.blok[static_cast<std::size_t>(i)], base[static_cast<std::size_t>(i)]) << "settings and the rest, offset " << i;
  EXPECT_EQ(frequency_hz(a.blok, 2, Dir::tx), 440012500);

  const chirp::Applied too_many = chirp::apply_rows(base, list, {0, 1, 2, 3, 4}, 13);
  EXPECT_FALSE(too_many.ok);
  EXPECT_EQ(too_many.error, "строк выбрано 5, а с канала 13 помещается 4");
  const chirp::Applied refused = chirp::apply_rows(base, list, {0, 13}, 1);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "выбрана строка, которую нельзя внести");
}

TEST(ChirpFile, HeaderDecidesTheDialectAndCellsAreReadExactly) {
  EXPECT_FALSE(chirp::looks_like_chirp("№,Канал выключен,Запрет передачи\r\n1,no,no\r\n"));
  EXPECT_TRUE(chirp::looks_like_chirp("\xEF\xBB\xBF\r\nName,Frequency,Location\r\n"));
  EXPECT_FALSE(chirp::looks_like_chirp("Location,Name\r\n1,x\r\n"));

  // Columns by name in any order, an older list without RxDtcsCode, short decimals, a BOM.
  const std::string text =
      "\xEF\xBB\xBF" "Frequency,Location,Tone,DtcsCode,DtcsPolarity,CrossMode,Duplex,Offset,Mode,Extra\n"
      "444.600,5,Cross,754,NR,DTCS->DTCS,,,NFM,whatever\n"
      "446.0062500,6,,023,NN,,,,FM,\n"
      "446.00500001,7,,023,NN,,,,FM,\n"
      "44O.5,8,,023,NN,,,,FM,\n"
      "440.5,9,,023,NN\n"
      "440.5,x1,,023,NN,,-,5.0,FM,\n";
  const chirp::List list = chirp::read_list(text, new_blok(3));
  ASSERT_EQ(list.error, "");
  ASSERT_EQ(list.rows.size(), 6u);
  EXPECT_TRUE(list.rows[0].importable());
  EXPECT_EQ(list.rows[0].rx_hz, 444600000);
  EXPECT_EQ(chirp::tone_text(list.rows[0].tx_tone), "DCS 754N");
  EXPECT_EQ(chirp::tone_text(list.rows[0].rx_tone), "DCS 754I") << "without RxDtcsCode the receive code is DtcsCode";
  EXPECT_EQ(chirp::row_summary(list.rows[0]), "444.600000 / 444.600000, DCS 754I / DCS 754N, 12,5 кГц");
  EXPECT_TRUE(list.rows[1].importable()) << "446.00625 MHz is a whole number of 6.25 kHz steps";
  EXPECT_EQ(list.rows[1].rx_hz, 446006250);
  EXPECT_EQ(list.rows[2].refusals,
            std::vector<std::string>{"частота приёма «446.00500001» МГц не кратна ни 2,5 кГц, ни 6,25 кГц"});
  EXPECT_EQ(list.rows[3].refusals, std::vector<std::string>{"частота приёма «44O.5» — не число мегагерц"});
  EXPECT_EQ(list.rows[4].refusals, std::vector<std::string>{"в строке 5 ячеек, а в заголовке 10"});
  EXPECT_EQ(list.rows[4].line, 6);
  EXPECT_EQ(list.rows[5].refusals, (std::vector<std::string>{"Location «x1» — не целое число",
                                                             "частота передачи 435.500000 МГц вне диапазона "
                                                             "436.000000 – 472.000000 МГц"}));
  EXPECT_EQ(list.rows[5].location_number, std::nullopt);

  // Saved by a spreadsheet on a Russian system: Windows-1251, semicolons, a decimal comma.
  const chirp::List cp1251 = chirp::read_list("Location;Name;Frequency\r\n1;\xCA\xE0\xED\xE0\xEB;440,0125\r\n", new_blok(3));
  ASSERT_EQ(cp1251.rows.size(), 1u);
  EXPECT_EQ(cp1251.rows[0].name, "Канал");
  EXPECT_EQ(cp1251.rows[0].rx_hz, 440012500);
  EXPECT_TRUE(cp1251.rows[0].importable());

  EXPECT_EQ(chirp::read_list("Location,Frequency\n1,\"440.0\n", new_blok(3)).error,
            "строка 2: кавычка открыта и не закрыта до конца файла");
  EXPECT_EQ(chirp::read_list("\n\n", new_blok(3)).error, "файл пуст: нет даже строки заголовка");
  Blok unknown_band = new_blok(3);
  unknown_band[layout::kBandCode] = 9;
  EXPECT_EQ(chirp::read_list("Location,Frequency\n1,440.0\n", unknown_band).rows[0].refusals,
            std::vector<std::string>{"частота приёма не проверить: в наборе неизвестный диапазон (код 9)"});
}

}  // namespace
}  // namespace tirel
