// Checking a radio against a set: only what a read brings counts, the timer's "off" is the same
// whichever way it is stored, and every difference is named as the window would show it.
#include <gtest/gtest.h>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/texts.h"
#include "link/verify.h"

namespace tirel {
namespace {

// What a read of a radio whose memory is `radio` (its own image) receives.
ReadBuffer read_of(const Blok& radio) {
  ReadBuffer rb;
  // The radio announces the band its band record names, and a model the program supports.
  rb.answer = QByteArray(1, static_cast<char>(band_code(radio))) + QByteArray(1, '\x02');
  for (int p = 1; p <= wire::kReadRecords; ++p) {
    const int r = wire::radio_record_for_position(p);
    std::copy_n(radio.begin() + record_offset(r), kRecordSize, rb.records.begin() + (p - 1) * kRecordSize);
  }
  return rb;
}

Blok radio_image(Blok b) {
  b[layout::kTimeoutTimer] = wire::timer_byte_to_radio(b[layout::kTimeoutTimer]);
  return b;
}

TEST(VerifyRead, RadioHoldingTheSetMatchesWhateverItKeepsInRecordsAWriteNeverSends) {
  const Blok set = test::patterned_blok(1, 3);
  Blok radio = radio_image(set);
  for (int r : {67, 68}) record(radio, r)[6] ^= 0x5A;  // read, but never written
  const RadioCheck c = verify_read(read_of(radio), set, ",");
  EXPECT_TRUE(c.identical()) << (c.kept.lines.empty() ? hidden_note(c.kept) : c.kept.lines.front());
  EXPECT_EQ(verify_report(c), std::vector<std::string>{link_text::kVerifyMatches});
}

TEST(VerifyRead, TimerOffMatchesWhetherTheSetKeeps0Or0xFF) {
  for (std::uint8_t stored : {std::uint8_t{0}, std::uint8_t{0xFF}}) {
    Blok set = test::patterned_blok(2, 9);
    set[layout::kTimeoutTimer] = stored;
    Blok radio = set;
    radio[layout::kTimeoutTimer] = 0xFF;
    EXPECT_TRUE(verify_read(read_of(radio), set, ",").identical()) << "set holds " << int(stored);
  }
  Blok set = test::patterned_blok(2, 9);
  set[layout::kTimeoutTimer] = 0;
  Blok radio = set;
  radio[layout::kTimeoutTimer] = 0x03;  // a timer that is on
  const RadioCheck c = verify_read(read_of(radio), set, ",");
  EXPECT_FALSE(c.identical());
  EXPECT_TRUE(c.kept.hidden_offsets.empty()) << "the timer is a setting the window shows";
}

TEST(VerifyRead, EachChannelThatDiffersIsNamedWithBothValues) {
  const Blok set = test::patterned_blok(1, 0);
  for (int n = 1; n <= kChannelCount; ++n) {
    Blok radio = radio_image(set);
    radio[layout::freq_low(n, Dir::rx)] ^= 0x01;
    const RadioCheck c = verify_read(read_of(radio), set, ",");
    ASSERT_EQ(c.kept.lines.size(), 1u) << "channel " << n;
    EXPECT_EQ(c.kept.lines[0].rfind("Канал " + std::to_string(n) + ": ", 0), 0u) << c.kept.lines[0];
    EXPECT_NE(c.kept.lines[0].find(" → "), std::string::npos);
    const auto report = verify_report(c);
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0], link_text::kVerifyDiffers);
    EXPECT_EQ(report[1], c.kept.lines[0]);
  }
}

TEST(VerifyRead, BytesTheWindowNeverShowsStillCountAsADifference) {
  const Blok set = test::patterned_blok(1, 0);
  Blok radio = radio_image(set);
  record(radio, 65)[1] = 0x77;  // the address the radio put into the settings record's header
  const RadioCheck c = verify_read(read_of(radio), set, ",");
  EXPECT_FALSE(c.identical());
  const auto report = verify_report(c);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_NE(report[1].find("которых окно не показывает"), std::string::npos) << report[1];
}

TEST(VerifyRead, EveryByteOfTheFixedTableAWriteSendsIsComparedAndToldInHex) {
  const Blok set = test::patterned_blok(1, 0);
  for (int r = 69; r <= 88; ++r) {
    Blok radio = radio_image(set);
    record(radio, r)[4] ^= 0x01;  // data byte 0
    const RadioCheck c = verify_read(read_of(radio), set, ",");
    ASSERT_EQ(c.fixed_table.size(), 1u) << "record " << r;
    EXPECT_TRUE(c.kept.identical()) << "record " << r << " is not one the window shows";
  }
  Blok radio = radio_image(set);
  record(radio, 70)[4] = 0x20;   // data byte 0 of record 70: 70 * 7 = 490, 0xEA in the set
  record(radio, 88)[2] = 0x00;   // the address the radio put into record 88's header, 0xB8 in the set
  const RadioCheck c = verify_read(read_of(radio), set, ",");
  EXPECT_FALSE(c.identical());
  EXPECT_EQ(verify_report(c),
            (std::vector<std::string>{
                "Радиостанция не соответствует набору параметров (в наборе → в радиостанции):",
                "Запись 70 (адрес 0228), байт данных 0: 0xEA → 0x20",
                "Запись 88 (адрес 02B8), байт заголовка 2: 0xB8 → 0x00",
                "Записи 69–88 — постоянная таблица радиостанции: окно её не показывает, а запись передаёт её из "
                "набора без изменений. Запишите набор в радиостанцию ещё раз и повторите сверку; если различие "
                "останется, радиостанцию нужно проверить."}));
}

TEST(VerifyRead, ARadioTheSetCouldNotBeWrittenToDiffersInTheWritesOwnWords) {
  const Blok set = test::patterned_blok(3, 1);
  ReadBuffer wrong_band = read_of(radio_image(set));
  wrong_band.answer = QByteArray("\x01\x02", 2);
  const RadioCheck band = verify_read(wrong_band, set, ",");
  EXPECT_FALSE(band.identical());
  EXPECT_TRUE(band.kept.identical()) << "the records themselves match";
  EXPECT_EQ(verify_report(band),
            (std::vector<std::string>{"Радиостанция не соответствует набору параметров (в наборе → в радиостанции):",
                                      "Данная радиостанция не соответствует выбранному диапазону частот: "
                                      "438МГц - 470МГц (Р39) → 146МГц - 174МГц (Р17)"}));

  ReadBuffer wrong_model = read_of(radio_image(set));
  wrong_model.answer = QByteArray("\x03\x03", 2);
  EXPECT_EQ(verify_report(verify_read(wrong_model, set, ",")),
            (std::vector<std::string>{"Радиостанция не соответствует набору параметров (в наборе → в радиостанции):",
                                      "Данная радиостанция не поддерживается ПО Тирель-12. Код модели: 3."}));
}

TEST(VerifyRead, LongListsStopAtTheLimitAndCountTheRest) {
  const Blok set = test::patterned_blok(1, 0);
  Blok radio = radio_image(set);
  for (int n = 1; n <= kChannelCount; ++n) radio[layout::freq_low(n, Dir::tx)] ^= 0x01;
  const RadioCheck c = verify_read(read_of(radio), set, ",");
  ASSERT_EQ(c.kept.lines.size(), 16u);
  const auto full = verify_report(c);
  EXPECT_EQ(full.size(), 17u);
  const auto cut = verify_report(c, 5);
  ASSERT_EQ(cut.size(), 6u);
  EXPECT_EQ(cut[4], c.kept.lines[3]);
  EXPECT_EQ(cut[5], "… и ещё различий: 12");
}

}  // namespace
}  // namespace tirel
