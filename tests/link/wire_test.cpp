// The record rules shared by the read and the write, checked without a radio.
#include <gtest/gtest.h>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/wire.h"

namespace tirel {
namespace {

TEST(TimerByte, RadiosOffIsTheBloksZeroAndEveryOtherValuePassesBothWays) {
  for (int v = 0; v <= 0xFF; ++v) {
    Blok b = new_blok(1);
    b[layout::kTimeoutTimer] = static_cast<std::uint8_t>(v);
    const QByteArray sent = wire::record_for_radio(b, 65);
    EXPECT_EQ(static_cast<std::uint8_t>(sent[11]), v == 0 ? 0xFF : v);
    EXPECT_EQ(b[layout::kTimeoutTimer], v) << "sending leaves the blok alone";

    ReadBuffer rb;
    rb.records[33 * 12 - 1] = static_cast<std::uint8_t>(v);  // position 33, byte 11
    Blok got = new_blok(1);
    apply_read(rb, got);
    EXPECT_EQ(got[layout::kTimeoutTimer], v == 0xFF ? 0 : v);
  }
}

TEST(ReadBuffer, AnsweredBandFollowsTheFirstAnswerByteOnlyForZeroToFive) {
  ReadBuffer rb;
  EXPECT_EQ(answered_band(rb), std::nullopt);
  for (int code = 0; code < 256; ++code) {
    rb.answer = QByteArray(1, static_cast<char>(code)) + QByteArray(1, '\x07');
    if (code <= 5)
      EXPECT_EQ(answered_band(rb), code);
    else
      EXPECT_EQ(answered_band(rb), std::nullopt) << code;
  }
}

TEST(ReadBuffer, WholeRecordsHeadersIncludedGoToTheirBlokRecords) {
  ReadBuffer rb;
  for (std::size_t i = 0; i < rb.records.size(); ++i) rb.records[i] = static_cast<std::uint8_t>(i * 31 + 7);
  rb.records[33 * 12 - 1] = 0x42;
  Blok b = test::patterned_blok(2, 0);
  const Blok before = b;
  apply_read(rb, b);
  auto expect_record = [&](int position, int record) {
    for (int i = 0; i < 12; ++i)
      EXPECT_EQ(b[static_cast<std::size_t>(record_offset(record) + i)],
                rb.records[static_cast<std::size_t>((position - 1) * 12 + i)])
          << "position " << position << " byte " << i;
  };
  for (int p = 1; p <= 32; ++p) expect_record(p, p);
  expect_record(33, 65);
  expect_record(34, 66);
  expect_record(57, 124);
  for (int r = 33; r <= 64; ++r) EXPECT_EQ(record(b, r)[5], record(before, r)[5]);
  for (int r = 67; r <= 123; ++r)
    for (int i = 0; i < 12; ++i) ASSERT_EQ(record(b, r)[i], record(before, r)[i]) << "record " << r;
}

TEST(WriteSends, RecordsOfTheTableWithTimeOutTestsOnChannelsAndRecords69To88) {
  const auto& sends = wire::write_sends();
  int checked = 0;
  for (std::size_t i = 0; i < sends.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    if (n <= 32) {
      EXPECT_EQ(sends[i].record, n);
    } else if (n >= 35 && n <= 54) {
      EXPECT_EQ(sends[i].record, n + 34);
    }
    checked += sends[i].check_timeout;
  }
  EXPECT_EQ(sends[32].record, 65);
  EXPECT_EQ(sends[33].record, 66);
  EXPECT_EQ(sends[54].record, 124);
  EXPECT_EQ(sends[55].record, 124);
  EXPECT_FALSE(sends[32].check_timeout || sends[33].check_timeout || sends[54].check_timeout ||
               sends[55].check_timeout);
  EXPECT_EQ(checked, 52);
}

TEST(Percentages, IntegerDivisionOfThePosition) {
  EXPECT_EQ(wire::percent_text(1, 57), "1%");
  EXPECT_EQ(wire::percent_text(29, 57), "50%");
  EXPECT_EQ(wire::percent_text(56, 57), "98%");
  EXPECT_EQ(wire::percent_text(1, 56), "1%");
  EXPECT_EQ(wire::percent_text(55, 56), "98%");
  EXPECT_EQ(wire::percent_text(56, 56), "100%");
}

}  // namespace
}  // namespace tirel
