// The record frame, the default set and the rule that every edit touches only its own bits.
#include <gtest/gtest.h>

#include <vector>

#include "blok/default_blok.h"
#include "blok/layout.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

std::vector<std::uint8_t> bytes_of(const Blok& b, int r) {
  const auto rec = record(b, r);
  return {rec.begin(), rec.end()};
}

// Offsets where two bloks differ.
std::vector<int> differences(const Blok& a, const Blok& b) {
  std::vector<int> d;
  for (int i = 0; i < kBlokSize; ++i)
    if (a[static_cast<std::size_t>(i)] != b[static_cast<std::size_t>(i)]) d.push_back(i);
  return d;
}

TEST(RecordFrame, HeadersCarryTheRadioAddress) {
  const Blok b = new_blok(1);
  EXPECT_EQ(bytes_of(b, 1), (std::vector<std::uint8_t>{0x57, 0x00, 0x00, 0x08, 0x60, 0xEA, 0x08, 0, 0, 0x60, 0xEA, 0x08}));
  struct {
    int r;
    std::uint8_t high, low;
  } cases[] = {{1, 0x00, 0x00}, {33, 0x01, 0x00}, {65, 0x02, 0x00}, {124, 0x03, 0xD8}, {128, 0x03, 0xF8}};
  for (const auto& c : cases) {
    const auto rec = record(b, c.r);
    EXPECT_EQ(rec[0], 0x57) << "record " << c.r;
    EXPECT_EQ(rec[1], c.high) << "record " << c.r;
    EXPECT_EQ(rec[2], c.low) << "record " << c.r;
    EXPECT_EQ(rec[3], 0x08) << "record " << c.r;
  }
  for (int r = 1; r <= kRecordCount; ++r) {
    EXPECT_EQ(record(b, r)[1] * 256 + record(b, r)[2], 8 * (r - 1)) << "record " << r;
  }
}

TEST(RecordFrame, ChannelSixteenLiesInRecordsThirtyOneAndThirtyTwo) {
  EXPECT_EQ(layout::freq_low(16, Dir::rx), 364);
  EXPECT_EQ(layout::freq_top(16, Dir::tx), 371);
  EXPECT_EQ(layout::channel_flags_byte(16), 378);
  EXPECT_EQ(layout::tone_low(16, Dir::tx), 376);
  EXPECT_EQ(layout::flag_bit(3, ChannelFlag::on).offset, 54);
}

TEST(DefaultBlok, BandZeroAndThreeGiveTheirDefaultFrequencyToEveryChannel) {
  struct {
    int band;
    std::uint8_t low, mid, top;
  } cases[] = {{0, 0xC0, 0xDA, 0x08}, {3, 0xC0, 0xCE, 0x0A}};
  for (const auto& c : cases) {
    const Blok b = new_blok(c.band);
    EXPECT_EQ(b[layout::kBandCode], c.band);
    for (int n = 1; n <= kChannelCount; ++n) {
      for (Dir d : {Dir::rx, Dir::tx}) {
        EXPECT_EQ(b[layout::freq_low(n, d)], c.low) << "band " << c.band << " channel " << n;
        EXPECT_EQ(b[layout::freq_mid(n, d)], c.mid);
        EXPECT_EQ(b[layout::freq_top(n, d)], c.top);
      }
    }
  }
}

TEST(DefaultBlok, RecordsOutsideTheChannelsHoldTheirFixedValues) {
  const Blok b = new_blok(1);
  EXPECT_EQ(bytes_of(b, 32), (std::vector<std::uint8_t>{0x57, 0x00, 0xF8, 0x08, 0x14, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(bytes_of(b, 100), (std::vector<std::uint8_t>{0x57, 0x03, 0x18, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(bytes_of(b, 65), (std::vector<std::uint8_t>{0x57, 0x02, 0x00, 0x08, 0xC0, 0x03, 0x00, 0x05, 0x64, 0x00,
                                                        0x30, 0x06}));
  EXPECT_EQ(bytes_of(b, 66), (std::vector<std::uint8_t>{0x57, 0x02, 0x08, 0x08, 0x01, 0x00, 0x02, 0x05, 0x28, 0x00,
                                                        0x00, 0x00}));
  EXPECT_EQ(bytes_of(b, 69), (std::vector<std::uint8_t>{0x57, 0x02, 0x20, 0x08, 0x21, 0x00, 0x39, 0x00, 0x01, 0x01,
                                                        0x14, 0x0A}));
  EXPECT_EQ(bytes_of(b, 88), (std::vector<std::uint8_t>{0x57, 0x02, 0xB8, 0x08, 0x01, 0xE1, 0x01, 0xF7, 0x01, 0x00,
                                                        0x00, 0x00}));
  // The fixed table is the same for every band; only the channels and the band code differ.
  const Blok other = new_blok(5);
  for (int i : differences(b, other)) EXPECT_TRUE(i < 384 || i == layout::kBandCode) << "offset " << i;
}

TEST(DefaultBlok, UnknownBandLeavesFrequenciesAndBandCodeZero) {
  for (int band : {-1, 6, 200}) {
    const Blok b = new_blok(band);
    EXPECT_EQ(b[layout::kBandCode], 0);
    for (int n = 1; n <= kChannelCount; ++n) {
      EXPECT_EQ(b[layout::freq_low(n, Dir::rx)], 0);
      EXPECT_EQ(b[layout::freq_top(n, Dir::tx)], 0);
      EXPECT_EQ(b[layout::tone_low(n, Dir::tx)], 20);
    }
    // Everything but the frequency fields and the band code is the usual default.
    for (int i : differences(b, new_blok(1))) {
      const int in_record = i % 24;
      EXPECT_TRUE(i == layout::kBandCode || (i < 384 && ((in_record >= 4 && in_record <= 6) ||
                                                         (in_record >= 9 && in_record <= 11))))
          << "offset " << i;
    }
  }
}

TEST(FieldIsolation, EveryFlagChangesOnlyItsOwnBitInEveryChannel) {
  // Channel n starts at 24*(n-1); the flags lie in its data bytes 2 and 7 and in the flags byte.
  const struct {
    ChannelFlag flag;
    int offset;
    std::uint8_t mask;
  } flags[] = {{ChannelFlag::on, 6, 0x08},     {ChannelFlag::tx_enabled, 11, 0x08}, {ChannelFlag::narrow, 18, 0x01},
               {ChannelFlag::shift, 18, 0x02}, {ChannelFlag::busy_lock, 18, 0x04},  {ChannelFlag::scan_skip, 18, 0x10}};
  Blok base = new_blok(1);
  for (std::size_t i = 0; i < base.size(); ++i) base[i] = static_cast<std::uint8_t>(base[i] ^ (i * 37));
  for (int n = 1; n <= kChannelCount; ++n) {
    for (const auto& f : flags) {
      const int offset = 24 * (n - 1) + f.offset;
      Blok b = base;
      toggle_channel_flag(b, n, f.flag);
      ASSERT_EQ(differences(base, b), std::vector<int>{offset}) << "channel " << n;
      EXPECT_EQ(b[static_cast<std::size_t>(offset)] ^ base[static_cast<std::size_t>(offset)], f.mask);
      EXPECT_EQ(channel_flag(b, n, f.flag), (b[static_cast<std::size_t>(offset)] & f.mask) != 0);
      toggle_channel_flag(b, n, f.flag);
      EXPECT_EQ(b, base);
    }
  }
}

TEST(FieldIsolation, UnusedBitsOfTheFlagsByteSurviveAnyNumberOfToggles) {
  Blok b = new_blok(1);
  const int offset = 162;  // channel 7's flags byte
  b[static_cast<std::size_t>(offset)] = 0xE8;
  const ChannelFlag columns[] = {ChannelFlag::narrow, ChannelFlag::shift, ChannelFlag::busy_lock,
                                 ChannelFlag::scan_skip};
  for (int round = 0; round < 9; ++round)
    for (ChannelFlag f : columns) toggle_channel_flag(b, 7, f);
  EXPECT_EQ(b[static_cast<std::size_t>(offset)], 0xE8 ^ 0x17);
  for (ChannelFlag f : columns) toggle_channel_flag(b, 7, f);
  EXPECT_EQ(b[static_cast<std::size_t>(offset)], 0xE8);
}

TEST(FieldIsolation, TickingChannelThreeOffClearsBitThreeOfOffset54Only) {
  const Blok before = new_blok(1);
  Blok b = before;
  set_channel_flag(b, 3, ChannelFlag::on, false);
  EXPECT_EQ(differences(before, b), std::vector<int>{54});
  EXPECT_EQ(b[54], before[54] & ~0x08);
}

}  // namespace
}  // namespace tirel
