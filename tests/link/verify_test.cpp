// Checking a radio against a set: only what a read brings counts, the timer's "off" is the same
// whichever way it is stored, and every difference is named as the window would show it.
#include <gtest/gtest.h>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/verify.h"

namespace tirel {
namespace {

// What a read of a radio whose memory is `radio` (its own image) receives.
ReadBuffer read_of(const Blok& radio) {
  ReadBuffer rb;
  rb.answer = QByteArray("\x01\x02", 2);
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

TEST(VerifyRead, RadioHoldingTheSetMatchesWhateverItKeepsBeyondWhatAReadCopies) {
  const Blok set = test::patterned_blok(1, 3);
  Blok radio = radio_image(set);
  for (int r = 67; r <= 88; ++r) record(radio, r)[6] ^= 0x5A;  // read but never copied into the blok
  const Comparison c = verify_read(read_of(radio), set, ",");
  EXPECT_TRUE(c.identical()) << (c.lines.empty() ? hidden_note(c) : c.lines.front());
  EXPECT_EQ(verify_report(c), std::vector<std::string>{kVerifyMatches});
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
  const Comparison c = verify_read(read_of(radio), set, ",");
  EXPECT_FALSE(c.identical());
  EXPECT_TRUE(c.hidden_offsets.empty()) << "the timer is a setting the window shows";
}

TEST(VerifyRead, EachChannelThatDiffersIsNamedWithBothValues) {
  const Blok set = test::patterned_blok(1, 0);
  for (int n = 1; n <= kChannelCount; ++n) {
    Blok radio = radio_image(set);
    radio[layout::freq_low(n, Dir::rx)] ^= 0x01;
    const Comparison c = verify_read(read_of(radio), set, ",");
    ASSERT_EQ(c.lines.size(), 1u) << "channel " << n;
    EXPECT_EQ(c.lines[0].rfind("Канал " + std::to_string(n) + ": ", 0), 0u) << c.lines[0];
    EXPECT_NE(c.lines[0].find(" → "), std::string::npos);
    const auto report = verify_report(c);
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0], kVerifyDiffers);
    EXPECT_EQ(report[1], c.lines[0]);
  }
}

TEST(VerifyRead, BytesTheWindowNeverShowsStillCountAsADifference) {
  const Blok set = test::patterned_blok(1, 0);
  Blok radio = radio_image(set);
  record(radio, 65)[1] = 0x77;  // the address the radio put into the settings record's header
  const Comparison c = verify_read(read_of(radio), set, ",");
  EXPECT_FALSE(c.identical());
  const auto report = verify_report(c);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_NE(report[1].find("которых окно не показывает"), std::string::npos) << report[1];
}

TEST(VerifyRead, LongListsStopAtTheLimitAndCountTheRest) {
  const Blok set = test::patterned_blok(1, 0);
  Blok radio = radio_image(set);
  for (int n = 1; n <= kChannelCount; ++n) radio[layout::freq_low(n, Dir::tx)] ^= 0x01;
  const Comparison c = verify_read(read_of(radio), set, ",");
  ASSERT_EQ(c.lines.size(), 16u);
  const auto full = verify_report(c);
  EXPECT_EQ(full.size(), 17u);
  const auto cut = verify_report(c, 5);
  ASSERT_EQ(cut.size(), 6u);
  EXPECT_EQ(cut[4], c.lines[3]);
  EXPECT_EQ(cut[5], "… и ещё различий: 12");
}

}  // namespace
}  // namespace tirel
