#include <gtest/gtest.h>

#include "blok/compare.h"
#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/settings.h"
#include "blok/subtone.h"

namespace tirel {
namespace {

using layout::ChannelFlag;
using Lines = std::vector<std::string>;

TEST(Compare, IdenticalSetsHaveNoDifferences) {
  const Comparison c = compare_bloks(new_blok(3), new_blok(3), ",");
  EXPECT_TRUE(c.identical());
  EXPECT_EQ(hidden_note(c), "");
}

TEST(Compare, OneChannelOneFlagAndOneSettingAreEachOneLineInWords) {
  const Blok a = new_blok(1);
  Blok b = a;
  ASSERT_EQ(store_frq(b, 3, Dir::rx, 151000000, {136000000, 175000000}).what, FrqStore::stored);
  toggle_channel_flag(b, 5, ChannelFlag::narrow);
  store_setting(b, *setting_by_combo(201), 4);
  const Comparison c = compare_bloks(a, b, ",");
  EXPECT_EQ(c.lines, (Lines{"Канал 3: частота ПРМ 150,000000 → 151,000000",
                            "Канал 5: ширина канала: 25 кГц → 12,5 кГц",
                            "Таймер ограничения непрерывной передачи: 60 секунд → 120 секунд"}));
  // The default's 2.5 kHz steps became 6.25 kHz ones with the new frequency: all accounted for.
  EXPECT_TRUE(c.hidden_offsets.empty());
  EXPECT_FALSE(c.identical());
}

TEST(Compare, EveryChannelFieldIsNamedWithTheWindowsTexts) {
  const Blok a = new_blok(1);
  Blok b = a;
  const int n = 16;
  set_channel_flag(b, n, ChannelFlag::on, false);
  set_channel_flag(b, n, ChannelFlag::tx_enabled, false);
  ToneChoice ctcss{ToneKind::ctcss, "67,0", "", false};
  ToneChoice dcs{ToneKind::dcs, "", "754", true};
  ASSERT_TRUE(store_tone(b, n, Dir::rx, ctcss).ok);
  ASSERT_TRUE(store_tone(b, n, Dir::tx, dcs).ok);
  ASSERT_EQ(store_frq(b, n, Dir::tx, 146002500, {136000000, 175000000}).what, FrqStore::stored);
  for (auto f : {ChannelFlag::shift, ChannelFlag::scan_skip, ChannelFlag::busy_lock}) toggle_channel_flag(b, n, f);
  EXPECT_EQ(compare_bloks(a, b, ",").lines,
            (Lines{"Канал 16: канал выключен: нет → да", "Канал 16: запрет передачи: нет → да",
                   "Канал 16: субтон ПРМ Выключен → CTC 67,0", "Канал 16: частота ПРД 150,000000 → 146,002500",
                   "Канал 16: субтон ПРД Выключен → -DCS 754", "Канал 16: сдвиг частоты: Выключен → Включен",
                   "Канал 16: сканирование: Включен → Выключен",
                   "Канал 16: запрет передачи на занятом канале: Выключен → Включен"}));
}

TEST(Compare, BandAndSettingsWithoutAnEntryAreShown) {
  const Blok a = new_blok(1);
  Blok b = new_blok(2);
  b[static_cast<std::size_t>(setting_by_combo(210)->offset)] = 0x16;  // channel 16: no entry
  const Lines lines = compare_bloks(a, b, ",").lines;
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), "Диапазон: 146МГц - 174МГц (Р17) → 400МГц - 420МГц");
  EXPECT_EQ(lines.back(), "Приоритетный канал: Выключен → (пусто, байт 0x16)");
  b[layout::kBandCode] = 9;
  EXPECT_EQ(compare_bloks(a, b, ",").lines.front(), "Диапазон: 146МГц - 174МГц (Р17) → неизвестный (код 9)");
}

TEST(Compare, BytesTheWindowDoesNotShowGetANote) {
  const Blok a = new_blok(1);
  Blok b = a;
  b[static_cast<std::size_t>(data_offset(40, 3))] = 0x01;      // unused region
  b[static_cast<std::size_t>(layout::channel_flags_byte(2))] |= 0x80;  // unused bit beside shown flags
  // The same 150 MHz in 6.25 kHz steps: the window shows it alike, the radio gets other bytes.
  ASSERT_EQ(store_frq(b, 7, Dir::tx, 150000000, {136000000, 175000000}).what, FrqStore::stored);
  const Comparison c = compare_bloks(a, b, ",");
  EXPECT_TRUE(c.lines.empty());
  EXPECT_EQ(c.hidden_offsets, (std::vector<int>{layout::channel_flags_byte(2), layout::freq_low(7, Dir::tx),
                                                layout::freq_mid(7, Dir::tx), layout::freq_top(7, Dir::tx),
                                                data_offset(40, 3)}));
  EXPECT_FALSE(c.identical());
  EXPECT_EQ(hidden_note(c).rfind("Различаются байты, которых окно не показывает: смещение 42 (запись 4, байт 6)", 0),
            0u);
}

}  // namespace
}  // namespace tirel
