// The ten settings lists: every entry both ways, values no entry matches, shared bytes.
#include <gtest/gtest.h>

#include <set>

#include "blok/default_blok.h"
#include "blok/settings.h"

namespace tirel {
namespace {

TEST(Settings, EveryEntryStoresItsValueAndReadsBack) {
  for (const Setting& s : settings()) {
    for (int i = 0; i < static_cast<int>(s.entries.size()); ++i) {
      Blok b = new_blok(1);
      store_setting(b, s, i);
      EXPECT_EQ(setting_index(b, s), i) << s.combo << " entry " << i;
      EXPECT_EQ(setting_text(b, s), s.entries[static_cast<std::size_t>(i)]);
    }
  }
}

TEST(Settings, StoredBytesOfTheLists) {
  struct {
    int combo, entry, offset;
    std::uint8_t byte;
  } cases[] = {
      {201, 4, 779, 0x12}, {201, 10, 779, 0x30}, {201, 0, 779, 0x00}, {203, 8, 787, 9},   {210, 15, 774, 0x15},
      {210, 10, 774, 0x10}, {211, 0, 775, 0x03}, {211, 47, 775, 0x50}, {213, 9, 778, 0x50}, {213, 0, 778, 0x05},
  };
  for (const auto& c : cases) {
    Blok b = new_blok(1);
    store_setting(b, *setting_by_combo(c.combo), c.entry);
    EXPECT_EQ(b[static_cast<std::size_t>(c.offset)], c.byte) << c.combo << " entry " << c.entry;
  }
}

TEST(Settings, ValuesNoEntryMatchesShowNothingAndOthersRoundDown) {
  struct {
    int combo;
    std::uint8_t byte;
    std::optional<int> shown;
  } cases[] = {
      {210, 0x16, std::nullopt}, {211, 0x02, std::nullopt}, {213, 0x04, std::nullopt}, {213, 0x07, 0},
      {201, 0x04, 1},           {201, 0x05, 1},           {201, 0x02, 0},           {201, 0xFF, std::nullopt},
      {203, 0x00, std::nullopt}, {203, 0x0A, std::nullopt}, {209, 0x30, std::nullopt}, {212, 0x00, std::nullopt},
      {212, 0x05, std::nullopt}, {212, 0xF4, 3},
  };
  for (const auto& c : cases) {
    const Setting& s = *setting_by_combo(c.combo);
    Blok b = new_blok(1);
    b[static_cast<std::size_t>(s.offset)] = c.byte;
    EXPECT_EQ(setting_index(b, s), c.shown) << c.combo << " byte " << int(c.byte);
    if (!c.shown) {
      EXPECT_EQ(setting_text(b, s), "");
    }
  }
}

TEST(Settings, SharedBytesKeepTheOtherBits) {
  for (const Setting& s : settings()) {
    if (s.mask == 0xFF) continue;
    for (std::uint8_t fill : {0x00, 0xFF, 0xA5, 0x5A}) {
      for (int i = 0; i < static_cast<int>(s.entries.size()); ++i) {
        Blok b = new_blok(1);
        b[static_cast<std::size_t>(s.offset)] = fill;
        const Blok before = b;
        store_setting(b, s, i);
        for (int k = 0; k < kBlokSize; ++k) {
          const auto idx = static_cast<std::size_t>(k);
          const std::uint8_t keep = k == s.offset ? static_cast<std::uint8_t>(~s.mask) : 0xFF;
          ASSERT_EQ(b[idx] & keep, before[idx] & keep) << s.combo << " offset " << k;
        }
        EXPECT_EQ(setting_index(b, s), i);
      }
    }
  }
}

TEST(Settings, DefaultBlokShowsTheStartUpSelections) {
  const Blok b = new_blok(1);
  const char* expected[] = {"60 секунд", "Включена", "5", "Включен", "Временное откл. ШПД", "Выключен", "Выключен",
                            "0,5 cекунд", "Первый канал в списке скан.", "3,0 секунды"};
  for (std::size_t k = 0; k < settings().size(); ++k) EXPECT_EQ(setting_text(b, settings()[k]), expected[k]);
}

TEST(Settings, ListsAreInPageOrderWithTheirTexts) {
  std::vector<int> combos;
  std::vector<std::string> names;
  for (const Setting& s : settings()) {
    combos.push_back(s.combo);
    names.push_back(s.report_name);
  }
  EXPECT_EQ(combos, (std::vector<int>{201, 202, 203, 204, 205, 209, 210, 211, 212, 213}));
  EXPECT_EQ(names, (std::vector<std::string>{"osn1", "osn5", "osn6", "osn7", "osn13", "osn8", "osn9", "osn10",
                                             "osn11", "osn12"}));
  const std::size_t sizes[] = {11, 2, 9, 2, 4, 3, 16, 48, 4, 10};
  for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(settings()[k].entries.size(), sizes[k]);
  EXPECT_STREQ(setting_by_combo(205)->label, "Кнопка \"ШПД\" :");
  EXPECT_EQ(setting_by_combo(206), nullptr);
  // Eight period texts begin the word with a Latin c, as the radio's program wrote them.
  const auto& periods = setting_by_combo(211)->entries;
  int latin = 0;
  for (std::size_t i = 0; i < periods.size(); ++i) {
    const bool has_latin_c = std::string(periods[i]).find(" c") != std::string::npos;
    EXPECT_EQ(has_latin_c, i >= 1 && i <= 8) << periods[i];
    latin += has_latin_c;
  }
  EXPECT_EQ(latin, 8);
}

}  // namespace
}  // namespace tirel
