// Frequency fields: the worked entries, the band limits and the texts the table shows.
#include <gtest/gtest.h>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"

namespace tirel {
namespace {

struct Worked {
  std::int64_t entered, stored;
  std::uint8_t low, mid, top;
  const char* shown;
};

// Entries on a default channel, whose top byte is 0x08 before the entry.
const Worked kWorked[] = {
    {146000000, 146000000, 0x40, 0x5B, 0x0C, "  146,000000"}, {146012500, 146012500, 0x42, 0x5B, 0x0C, "  146,012500"},
    {146002500, 146002500, 0x21, 0xE4, 0x08, "  146,002500"}, {150001000, 150000000, 0xC0, 0x5D, 0x0C, "  150,000000"},
    {421000000, 421000000, 0x20, 0x07, 0x0D, "  421,000000"}, {440006250, 440005000, 0x82, 0xAF, 0x0A, "  440,005000"},
};

TEST(FrequencyEntry, WorkedEntriesStoreTheirBytesInBothDirectionsOfEveryChannel) {
  const BandLimits wide{1, 500000000};
  for (const Worked& w : kWorked) {
    for (int n = 1; n <= kChannelCount; ++n) {
      for (Dir d : {Dir::rx, Dir::tx}) {
        const Blok before = new_blok(1);
        Blok b = before;
        const FrqResult r = store_frq(b, n, d, w.entered, wide);
        ASSERT_EQ(r.what, FrqStore::stored);
        EXPECT_EQ(r.stored_hz, w.stored);
        EXPECT_EQ(b[layout::freq_low(n, d)], w.low) << w.entered;
        EXPECT_EQ(b[layout::freq_mid(n, d)], w.mid) << w.entered;
        EXPECT_EQ(b[layout::freq_top(n, d)], w.top) << w.entered;
        EXPECT_EQ(blok_to_frq_str(b, n, d), w.shown);
        for (int i = 0; i < kBlokSize; ++i) {
          if (i >= layout::freq_low(n, d) && i <= layout::freq_top(n, d)) continue;
          ASSERT_EQ(b[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "offset " << i;
        }
      }
    }
  }
}

TEST(FrequencyEntry, UpperBitsOfTheTopByteStayAsTheyWere) {
  Blok b = new_blok(1);
  b[static_cast<std::size_t>(layout::freq_top(2, Dir::tx))] = 0xF3;  // bit 7, tone type 7, on, count bits 16..17
  ASSERT_EQ(store_frq(b, 2, Dir::tx, 146000000, kStartupLimits).what, FrqStore::stored);
  EXPECT_EQ(b[static_cast<std::size_t>(layout::freq_top(2, Dir::tx))], 0xF4);
}

TEST(FrequencyEntry, LimitsAreInclusiveAndTestedBeforeRounding) {
  const BandLimits band1 = *band_limits(1);
  Blok b = new_blok(1);
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 175000000, band1).what, FrqStore::stored);
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 136000000, band1).what, FrqStore::stored);
  const Blok before = b;
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 175001000, band1).what, FrqStore::out_of_range);
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 135999999, band1).what, FrqStore::out_of_range);
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 140000000, kStartupLimits).what, FrqStore::out_of_range)
      << "right after start-up band 1 accepts only 146..174 MHz";
  EXPECT_EQ(store_frq(b, 1, Dir::rx, 0, band1).what, FrqStore::nothing_entered);
  EXPECT_EQ(b, before);

  EXPECT_EQ(store_frq(b, 1, Dir::rx, 135000000, *band_limits(0)).what, FrqStore::stored);
  EXPECT_EQ(step_count(b, 1, Dir::rx), 21600u);
  EXPECT_TRUE(steps_of_6250(b, 1, Dir::rx));
}

TEST(FrequencyEntry, EveryBandAcceptsItsOwnLimitsAndNothingBeyond) {
  for (int band = 0; band < kBandCount; ++band) {
    const BandLimits l = *band_limits(band);
    Blok b = new_blok(band);
    EXPECT_EQ(store_frq(b, 1, Dir::rx, l.lower, l).what, FrqStore::stored) << band;
    EXPECT_EQ(store_frq(b, 1, Dir::rx, l.upper, l).what, FrqStore::stored) << band;
    EXPECT_EQ(frequency_hz(b, 1, Dir::rx), l.upper) << band;
    EXPECT_EQ(store_frq(b, 1, Dir::rx, l.lower - 1, l).what, FrqStore::out_of_range) << band;
    EXPECT_EQ(store_frq(b, 1, Dir::rx, l.upper + 1, l).what, FrqStore::out_of_range) << band;
  }
  EXPECT_FALSE(band_limits(6));
  EXPECT_FALSE(band_limits(-1));
}

TEST(FrequencyField, StepSizesMayDifferBetweenDirections) {
  Blok b = new_blok(1);
  ASSERT_EQ(store_frq(b, 4, Dir::rx, 146012500, kStartupLimits).what, FrqStore::stored);
  ASSERT_EQ(store_frq(b, 4, Dir::tx, 146002500, kStartupLimits).what, FrqStore::stored);
  EXPECT_TRUE(steps_of_6250(b, 4, Dir::rx));
  EXPECT_FALSE(steps_of_6250(b, 4, Dir::tx));
  EXPECT_EQ(blok_to_frq_str(b, 4, Dir::rx), "  146,012500");
  EXPECT_EQ(blok_to_frq_str(b, 4, Dir::tx), "  146,002500");
}

TEST(FrequencyField, FullEighteenBitCountIsRead) {
  Blok b = new_blok(1);
  b[static_cast<std::size_t>(layout::freq_low(9, Dir::rx))] = 0xFF;
  b[static_cast<std::size_t>(layout::freq_mid(9, Dir::rx))] = 0xFF;
  b[static_cast<std::size_t>(layout::freq_top(9, Dir::rx))] = 0x0F;
  EXPECT_EQ(step_count(b, 9, Dir::rx), 262143u);
  EXPECT_EQ(frequency_hz(b, 9, Dir::rx), 1638393750);
  EXPECT_EQ(blok_to_frq_str(b, 9, Dir::rx), " 1638,393750");
}

TEST(FrequencyText, NineDigitsReadAsMegahertzWithAFixedComma) {
  EXPECT_EQ(frq_text(146000000), "  146,000000");
  EXPECT_EQ(frq_text(471997500), "  471,997500");
  EXPECT_EQ(frq_text(100000000), "  100,000000");
  EXPECT_EQ(frq_text(99999999), "   99,999999");
  EXPECT_EQ(frq_text(0), "    0,000000");
  EXPECT_EQ(frq_text(1000000000), " 1000,000000");
}

}  // namespace
}  // namespace tirel
