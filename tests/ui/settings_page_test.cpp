// The radio settings page: every choice lands in its own bits, refreshes never count as edits.
#include <QGroupBox>
#include <QLabel>

#include "blok/settings.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

using SettingsPage = WindowTest;

TEST_F(SettingsPage, DefaultBlokShowsTheDefaultEntries) {
  TForm1& w = open_window();
  const std::pair<int, const char*> expected[] = {
      {201, "60 секунд"},  {202, "Включена"}, {203, "5"},          {204, "Включен"},
      {205, "Временное откл. ШПД"}, {209, "Выключен"}, {210, "Выключен"}, {211, "0,5 cекунд"},
      {212, "Первый канал в списке скан."}, {213, "3,0 секунды"}};
  for (const auto& [combo, text] : expected) {
    ASSERT_NE(w.setting_list(combo), nullptr) << combo;
    EXPECT_EQ(w.setting_list(combo)->currentText(), QString::fromUtf8(text)) << combo;
    EXPECT_EQ(w.setting_list(combo)->objectName(), QStringLiteral("ComboBox%1").arg(combo));
    EXPECT_FALSE(w.setting_list(combo)->isEditable());
  }
  EXPECT_EQ(w.setting_list(206), nullptr);
  EXPECT_EQ(w.GroupBox201->title(), QString::fromUtf8(" Параметры радиостанции "));
  EXPECT_EQ(w.GroupBox202->title(), QString::fromUtf8(" Параметры сканирования "));
  EXPECT_TRUE(w.GroupBox201->font().bold());
  EXPECT_EQ(w.GroupBox201->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(w.GroupBox202->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

TEST_F(SettingsPage, ListsAreInTheirFramesWithRightAlignedLabels) {
  TForm1& w = open_window();
  for (const Setting& s : settings()) {
    QComboBox* list = w.setting_list(s.combo);
    EXPECT_EQ(list->parentWidget(), s.combo <= 205 ? w.GroupBox201 : w.GroupBox202) << s.combo;
    QLabel* label = nullptr;
    for (QLabel* l : list->parentWidget()->findChildren<QLabel*>())
      if (l->buddy() == list) label = l;
    ASSERT_NE(label, nullptr) << s.combo;
    EXPECT_EQ(label->text(), QString::fromUtf8(s.label));
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_FALSE(label->font().bold());
    EXPECT_NE(label->palette().color(QPalette::WindowText), w.GroupBox201->palette().color(QPalette::WindowText));
    ASSERT_EQ(list->count(), static_cast<int>(s.entries.size()));
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->itemText(i), QString::fromUtf8(s.entries[static_cast<std::size_t>(i)]));
  }
}

// Every entry of every list, chosen by the user, is stored in the setting's own bits; the
// other bits of the byte are kept and the list shows the entry chosen.
TEST_F(SettingsPage, EveryChoiceStoresItsValueAndKeepsTheOtherBits) {
  TForm1& w = open_window();
  for (const Setting& s : settings()) {
    const auto offset = static_cast<std::size_t>(s.offset);
    const std::uint8_t others = static_cast<std::uint8_t>(0xA5 & ~s.mask);
    w.blok()[offset] = static_cast<std::uint8_t>(others | (w.blok()[offset] & s.mask));
    w.print_wind_blok();
    QComboBox* list = w.setting_list(s.combo);
    for (int i = 0; i < static_cast<int>(s.entries.size()); ++i) {
      w.set_modified(false);
      const Blok before = w.blok();
      pick(list, i);
      EXPECT_TRUE(w.modified()) << s.combo << " entry " << i;
      EXPECT_EQ(w.blok()[offset], s.encode(before[offset], i)) << s.combo << " entry " << i;
      EXPECT_EQ(w.blok()[offset] & ~s.mask, others) << s.combo << " entry " << i;
      EXPECT_EQ(setting_index(w.blok(), s), i) << s.combo;
      EXPECT_EQ(list->currentIndex(), i);
      Blok rest = w.blok();
      rest[offset] = before[offset];
      EXPECT_EQ(rest, before) << "only byte " << s.offset << " may change";
    }
  }
}

TEST_F(SettingsPage, ChoicesStoreTheRadiosValues) {
  TForm1& w = open_window();
  struct Case {
    int combo, entry, offset;
    std::uint8_t mask, value;
  };
  const Case cases[] = {
      {201, 4, 779, 0xFF, 0x12},  // 120 секунд
      {201, 10, 779, 0xFF, 0x30}, // 300 секунд
      {210, 15, 774, 0xFF, 0x15}, // 15 канал
      {211, 0, 775, 0xFF, 0x03},  // 0,3 секунды
      {213, 9, 778, 0xFF, 0x50},  // 5,0 секунд
      {202, 1, 788, 0x20, 0x20},  // key beep on: bit 5
      {204, 0, 788, 0x08, 0x00},  // power saving off: bit 3
      {209, 2, 772, 0x30, 0x20},  // По времени: bits 4..5 = 2
      {205, 1, 772, 0xC0, 0x40},  // bits 6..7 = 1
      {212, 3, 773, 0x0F, 0x04},  // Приоритетный канал: low nibble 4
  };
  for (const Case& c : cases) {
    pick(w.setting_list(c.combo), c.entry);
    EXPECT_EQ(w.blok()[static_cast<std::size_t>(c.offset)] & c.mask, c.value) << c.combo;
  }
}

TEST_F(SettingsPage, RefreshSelectsFromTheBlokWithoutAnEdit) {
  TForm1& w = open_window();
  struct Case {
    int combo, offset;
    std::uint8_t stored;
    const char* shown;  // empty: no entry
  };
  const Case cases[] = {{210, 774, 0x16, ""},          {211, 775, 0x02, ""},
                        {213, 778, 0x07, "0,5 секунды"}, {213, 778, 0x04, ""},
                        {201, 779, 0x04, "30 секунд"},   {201, 779, 0x05, "30 секунд"},
                        {201, 779, 0x02, "Выключен"},    {203, 787, 0x00, ""}};
  for (const Case& c : cases) {
    const Blok before = w.blok();
    w.blok()[static_cast<std::size_t>(c.offset)] = c.stored;
    const Blok edited = w.blok();
    w.print_wind_blok();
    QComboBox* list = w.setting_list(c.combo);
    EXPECT_EQ(list->currentText(), QString::fromUtf8(c.shown)) << c.combo << " " << int(c.stored);
    if (!*c.shown) {
      EXPECT_EQ(list->currentIndex(), -1);
    }
    EXPECT_EQ(w.blok(), edited);
    EXPECT_FALSE(w.modified());
    w.blok() = before;
  }
  w.print_wind_blok();
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SettingsPage, ChoosingAnEntryAgainFromNoSelectionStoresIt) {
  TForm1& w = open_window();
  w.blok()[774] = 0x16;
  w.print_wind_blok();
  ASSERT_EQ(w.setting_list(210)->currentIndex(), -1);
  pick(w.setting_list(210), 0);
  EXPECT_EQ(w.blok()[774], 0x00);
  EXPECT_TRUE(w.modified());
}

}  // namespace
}  // namespace tirel::test
