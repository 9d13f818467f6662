// Where every field of the memory map lies: blok offsets and bits written out by hand from the
// radio's memory layout, not from our constants, so a field moved or two masks swapped fail here.
#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>
#include <vector>

#include "blok/layout.h"

namespace tirel {
namespace {

using layout::Field;

struct Byte {
  int offset;  // for a channel field: counted from the channel's start 24*(n-1)
  std::uint8_t mask;
  bool operator==(const Byte&) const = default;
};

struct Expected {
  Field field;
  bool per_channel;
  std::vector<Byte> bytes;
};

const std::vector<Expected>& expected_map() {
  static const std::vector<Expected> map = {
      {Field::rx_step_count, true, {{4, 0xFF}, {5, 0xFF}, {6, 0x03}}},
      {Field::rx_step_flag, true, {{6, 0x04}}},
      {Field::channel_on, true, {{6, 0x08}}},
      {Field::rx_tone_type, true, {{6, 0x70}}},
      {Field::rx_tone_bit7, true, {{6, 0x80}}},
      {Field::rx_tone_value, true, {{7, 0xFF}, {8, 0xFF}}},
      {Field::tx_step_count, true, {{9, 0xFF}, {10, 0xFF}, {11, 0x03}}},
      {Field::tx_step_flag, true, {{11, 0x04}}},
      {Field::tx_enabled, true, {{11, 0x08}}},
      {Field::tx_tone_type, true, {{11, 0x70}}},
      {Field::tx_tone_bit7, true, {{11, 0x80}}},
      {Field::tx_tone_value, true, {{16, 0xFF}, {17, 0xFF}}},
      {Field::narrow, true, {{18, 0x01}}},
      {Field::shift, true, {{18, 0x02}}},
      {Field::busy_lock, true, {{18, 0x04}}},
      {Field::scan_skip, true, {{18, 0x10}}},
      {Field::squelch_key, false, {{772, 0xC0}}},
      {Field::scan_mode, false, {{772, 0x30}}},
      {Field::scan_tx_channel, false, {{773, 0x0F}}},
      {Field::priority_channel, false, {{774, 0xFF}}},
      {Field::priority_period, false, {{775, 0xFF}}},
      {Field::scan_resume_delay, false, {{778, 0xFF}}},
      {Field::tx_timeout, false, {{779, 0xFF}}},
      {Field::squelch_level, false, {{787, 0xFF}}},
      {Field::power_saving, false, {{788, 0x08}}},
      {Field::key_beep, false, {{788, 0x20}}},
      {Field::band_code, false, {{1480, 0xFF}}},
  };
  return map;
}

int width(const Expected& e) {
  int w = 0;
  for (const Byte& x : e.bytes) w += std::popcount(x.mask);
  return w;
}

// The bits where two bloks differ, byte by byte.
std::vector<Byte> changed_bits(const Blok& a, const Blok& b, int base) {
  std::vector<Byte> out;
  for (int i = 0; i < kBlokSize; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (a[k] != b[k]) out.push_back({i - base, static_cast<std::uint8_t>(a[k] ^ b[k])});
  }
  return out;
}

TEST(MemoryMap, EveryFieldOwnsExactlyItsBitsInEveryChannel) {
  ASSERT_EQ(expected_map().size(), layout::kMap.size()) << "a field of the map is missing here";
  for (const Expected& e : expected_map()) {
    const char* name = layout::place(e.field).name;
    EXPECT_EQ(layout::place(e.field).per_channel(), e.per_channel) << name;
    for (int n = 1; n <= (e.per_channel ? kChannelCount : 1); ++n) {
      const int base = e.per_channel ? 24 * (n - 1) : 0;
      Blok zeros{};
      Blok b = zeros;
      set_field(b, e.field, 0xFFFFFFFF, n);
      ASSERT_EQ(changed_bits(zeros, b, base), e.bytes) << name << ", channel " << n << ": all ones on zeros";
      EXPECT_EQ(get_field(b, e.field, n), (std::uint32_t{1} << width(e)) - 1) << name;

      Blok ones;
      ones.fill(0xFF);
      b = ones;
      set_field(b, e.field, 0, n);
      ASSERT_EQ(changed_bits(ones, b, base), e.bytes) << name << ", channel " << n << ": zero on all ones";
      EXPECT_EQ(get_field(b, e.field, n), 0u) << name;
    }
  }
}

TEST(MemoryMap, NumbersLieLowByteFirstAndFromTheFieldsLowestBit) {
  struct {
    Field field;
    int n;
    std::uint32_t value;
    std::vector<Byte> bytes;  // offset and the byte's value, on a blok of zeros
  } cases[] = {
      // 176002 steps of 2.5 kHz (440,005 MHz): 0x82, 0xAF, top bits 0..1 = 2.
      {Field::rx_step_count, 1, 176002, {{4, 0x82}, {5, 0xAF}, {6, 0x02}}},
      {Field::tx_step_count, 16, 23360, {{369, 0x40}, {370, 0x5B}}},
      // DCS 754: high byte 0x01, low byte 0xEC.
      {Field::rx_tone_value, 3, 0x01EC, {{55, 0xEC}, {56, 0x01}}},
      {Field::tx_tone_value, 2, 0x0670, {{40, 0x70}, {41, 0x06}}},
      {Field::tx_tone_type, 5, 7, {{107, 0x70}}},
      {Field::squelch_key, 0, 3, {{772, 0xC0}}},
      {Field::scan_mode, 0, 2, {{772, 0x20}}},
      {Field::scan_tx_channel, 0, 4, {{773, 0x04}}},
      {Field::band_code, 0, 3, {{1480, 0x03}}},
  };
  for (const auto& c : cases) {
    Blok b{};
    set_field(b, c.field, c.value, c.n);
    EXPECT_EQ(changed_bits(Blok{}, b, 0), c.bytes) << layout::place(c.field).name;
    EXPECT_EQ(get_field(b, c.field, c.n), c.value) << layout::place(c.field).name;
  }
}

TEST(MemoryMap, AChannelFieldWithoutAChannelIsRefused) {
  Blok b{};
  EXPECT_THROW(set_field(b, Field::narrow, 1, 0), std::out_of_range);
  EXPECT_THROW((void)get_field(b, Field::channel_on, 17), std::out_of_range);
  EXPECT_EQ(b, Blok{});
  EXPECT_EQ(get_field(b, Field::band_code), 0u);
}

}  // namespace
}  // namespace tirel
