// Sub-tones: the table's texts and the storing rule of the sub-tone dialog.
#include <gtest/gtest.h>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "blok/subtone.h"

namespace tirel {
namespace {

void put(Blok& b, int n, Dir d, std::uint8_t type_byte, std::uint8_t high, std::uint8_t low) {
  b[static_cast<std::size_t>(layout::tone_type_byte(n, d))] = type_byte;
  b[static_cast<std::size_t>(layout::tone_high(n, d))] = high;
  b[static_cast<std::size_t>(layout::tone_low(n, d))] = low;
}

ToneChoice ctcss(std::string text) { return {ToneKind::ctcss, std::move(text), {}, false}; }
ToneChoice dcs(std::string text, bool inverted) { return {ToneKind::dcs, {}, std::move(text), inverted}; }

TEST(SubtoneText, ShowsOffCtcssAndDcsWithTheGivenSeparator) {
  Blok b = new_blok(1);
  EXPECT_EQ(blok_to_stone_str(b, 1, Dir::rx, ","), " Выключен");
  put(b, 1, Dir::rx, 0x38, 0x06, 0x70);
  EXPECT_EQ(blok_to_stone_str(b, 1, Dir::rx, ","), "  CTC 67,0");
  EXPECT_EQ(blok_to_stone_str(b, 1, Dir::rx, "."), "  CTC 67.0");
  put(b, 1, Dir::rx, 0x38, 0x25, 0x41);
  EXPECT_EQ(blok_to_stone_str(b, 1, Dir::rx, ","), "  CTC 254,1");
  put(b, 2, Dir::tx, 0x58, 0x00, 0x13);
  EXPECT_EQ(blok_to_stone_str(b, 2, Dir::tx, ","), "   DCS 023");
  put(b, 2, Dir::tx, 0x78, 0x00, 0x13);
  EXPECT_EQ(blok_to_stone_str(b, 2, Dir::tx, ","), "  -DCS 023");
  put(b, 2, Dir::tx, 0x78, 0x01, 0xEC);
  EXPECT_EQ(blok_to_stone_str(b, 2, Dir::tx, ","), "  -DCS 754");
  // A nibble above 9, written by another program, still counts with its value.
  put(b, 3, Dir::rx, 0x30, 0x0A, 0x00);
  EXPECT_EQ(blok_to_stone_str(b, 3, Dir::rx, ","), "  CTC 100,0");
}

TEST(SubtoneText, TypesTheProgramNeverWritesAreMarkedNotHidden) {
  Blok b = new_blok(1);
  for (std::uint8_t type : {0x10, 0x20, 0x40, 0x60}) {
    put(b, 5, Dir::rx, static_cast<std::uint8_t>(0x08 | type), 0x06, 0x70);
    const std::string text = blok_to_stone_str(b, 5, Dir::rx, ",");
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.find(std::to_string(type >> 4)), std::string::npos) << text;
  }
}

TEST(SubtoneStore, EveryTableEntryStoresAndShowsItself) {
  for (const char* tone : kCtcssTones) {
    Blok b = new_blok(1);
    ASSERT_TRUE(store_tone(b, 6, Dir::rx, ctcss(tone)).ok) << tone;
    EXPECT_EQ(tone_type(b, 6, Dir::rx), kToneCtcss);
    EXPECT_EQ(blok_to_stone_str(b, 6, Dir::rx, ","), std::string("  CTC ") + tone);
  }
  for (const char* code : kDcsCodes) {
    for (bool inverted : {false, true}) {
      Blok b = new_blok(1);
      ASSERT_TRUE(store_tone(b, 6, Dir::tx, dcs(code, inverted)).ok) << code;
      EXPECT_EQ(tone_value(b, 6, Dir::tx), std::stoi(code, nullptr, 8)) << code;
      EXPECT_EQ(blok_to_stone_str(b, 6, Dir::tx, ","), std::string(inverted ? "  -DCS " : "   DCS ") + code);
    }
  }
}

TEST(SubtoneStore, WorkedValues) {
  Blok b = new_blok(1);
  ASSERT_TRUE(store_tone(b, 1, Dir::rx, ctcss("100,0")).ok);
  EXPECT_EQ(tone_value(b, 1, Dir::rx), 0x1000);
  ASSERT_TRUE(store_tone(b, 1, Dir::rx, ctcss("67,0")).ok);
  EXPECT_EQ(tone_value(b, 1, Dir::rx), 0x0670);
  ASSERT_TRUE(store_tone(b, 1, Dir::rx, ctcss("88.5")).ok) << "the separator position is never read";
  EXPECT_EQ(tone_value(b, 1, Dir::rx), 0x0885);
  ASSERT_TRUE(store_tone(b, 1, Dir::rx, ctcss("88б5")).ok) << "a Cyrillic separator is one character too";
  EXPECT_EQ(tone_value(b, 1, Dir::rx), 0x0885);
  ASSERT_TRUE(store_tone(b, 1, Dir::tx, dcs("411", false)).ok);
  EXPECT_EQ(b[static_cast<std::size_t>(layout::tone_high(1, Dir::tx))], 1);
  EXPECT_EQ(b[static_cast<std::size_t>(layout::tone_low(1, Dir::tx))], 0x09);
  ASSERT_TRUE(store_tone(b, 1, Dir::tx, dcs("371", false)).ok);
  EXPECT_EQ(b[static_cast<std::size_t>(layout::tone_high(1, Dir::tx))], 0);
  EXPECT_EQ(b[static_cast<std::size_t>(layout::tone_low(1, Dir::tx))], 0xF9);
}

TEST(SubtoneStore, KeepsTheLowNibbleClearsBitSevenAndTouchesNothingElse) {
  for (Dir d : {Dir::rx, Dir::tx}) {
    for (int n = 1; n <= kChannelCount; ++n) {
      Blok before = new_blok(2);
      put(before, n, d, 0xFA, 0x12, 0x34);
      const ToneChoice choices[] = {{ToneKind::off, {}, {}, false}, ctcss("123,0"), dcs("754", false),
                                    dcs("754", true)};
      const std::uint8_t expected_type[] = {0x0A, 0x3A, 0x5A, 0x7A};
      for (std::size_t k = 0; k < 4; ++k) {
        Blok b = before;
        ASSERT_TRUE(store_tone(b, n, d, choices[k]).ok);
        EXPECT_EQ(b[static_cast<std::size_t>(layout::tone_type_byte(n, d))], expected_type[k]);
        for (int i = 0; i < kBlokSize; ++i) {
          if (i == layout::tone_type_byte(n, d) || i == layout::tone_high(n, d) || i == layout::tone_low(n, d))
            continue;
          ASSERT_EQ(b[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "offset " << i;
        }
      }
      Blok off = before;
      ASSERT_TRUE(store_tone(off, n, d, choices[0]).ok);
      EXPECT_EQ(tone_value(off, n, d), 0);
    }
  }
}

TEST(SubtoneStore, TypedTextThatCannotBeReadLeavesTheBlokByteIdentical) {
  const ToneChoice unreadable[] = {ctcss(""),     ctcss("6"),    ctcss("67,"),  ctcss("6a,0"), ctcss("100,x"),
                                   ctcss("1x0,0"), ctcss("ы7,0"), dcs("", false), dcs("02", false),
                                   dcs("0a3", false), dcs("023 ", false), dcs("-23", true)};
  Blok before = new_blok(4);
  put(before, 8, Dir::rx, 0x38, 0x06, 0x70);
  for (const ToneChoice& c : unreadable) {
    Blok b = before;
    const ToneStoreResult r = store_tone(b, 8, Dir::rx, c);
    EXPECT_FALSE(r.ok) << c.ctcss_text << c.dcs_text;
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(b, before) << c.ctcss_text << c.dcs_text;
  }
}

}  // namespace
}  // namespace tirel
