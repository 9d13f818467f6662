// The band list: a pick asks before erasing the channels; a pick from code never asks.
#include "blok/default_blok.h"
#include "blok/layout.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

using BandList = WindowTest;

TEST_F(BandList, OffersTheSixBands) {
  TForm1& w = open_window();
  ASSERT_EQ(w.ComboBox1->count(), kBandCount);
  for (int i = 0; i < kBandCount; ++i)
    EXPECT_EQ(w.ComboBox1->itemText(i), QString::fromUtf8(kBands[static_cast<std::size_t>(i)].text));
  EXPECT_FALSE(w.ComboBox1->isEditable());
}

TEST_F(BandList, YesBuildsTheNewBandsDefaultsAndWidensTheLimits) {
  TForm1& w = open_window();
  w.set_current_file_name(QStringLiteral("/somewhere/set.t12"));
  w.set_modified(true);
  w.blok()[779] = 0x30;
  prompter.answers = {QMessageBox::Yes};
  choose(w.ComboBox1, 3);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Выбор частотного диапазона."));
  EXPECT_EQ(prompter.messages[0].text,
            QString::fromUtf8("При выборе нового частотного диапазона, все параметры каналов будут стерты. Продолжить?"));
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(prompter.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(w.blok(), new_blok(3));
  EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
  EXPECT_EQ(w.band_limits().lower, 436000000);
  EXPECT_EQ(w.band_limits().upper, 472000000);
  EXPECT_EQ(w.remembered_band(), 3);
  EXPECT_TRUE(w.current_file_name().isEmpty());
  EXPECT_TRUE(w.modified());  // a change of band leaves the flag alone
  EXPECT_EQ(w.StringGrid101->item(0, 1)->text().toStdString(), w.view().rows[0].cells[0]);
  EXPECT_EQ(w.setting_list(201)->currentText(), QString::fromUtf8("60 секунд"));
}

TEST_F(BandList, NoPutsTheListBackAndKeepsEverything) {
  TForm1& w = open_window();
  w.set_current_file_name(QStringLiteral("/somewhere/set.t12"));
  w.blok()[779] = 0x30;
  w.print_wind_blok();
  const Blok before = w.blok();
  prompter.answers = {QMessageBox::No};
  pick(w.ComboBox1, 0);
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(w.blok(), before);
  EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(w.band_limits().lower, 146000000);  // the start-up limits still hold
  EXPECT_EQ(w.band_limits().upper, 174000000);
  EXPECT_EQ(w.current_file_name(), QStringLiteral("/somewhere/set.t12"));
  EXPECT_EQ(w.setting_list(201)->currentText(), QString::fromUtf8("300 секунд"));
}

TEST_F(BandList, SwitchingAwayAndBackGivesBandOneItsFullRange) {
  TForm1& w = open_window();
  prompter.answers = {QMessageBox::Yes, QMessageBox::Yes};
  pick(w.ComboBox1, 0);
  pick(w.ComboBox1, 1);
  EXPECT_EQ(w.band_limits().lower, 136000000);
  EXPECT_EQ(w.band_limits().upper, 175000000);
  EXPECT_EQ(w.blok(), new_blok(1));
}

TEST_F(BandList, SelectingFromCodeNeverAsks) {
  TForm1& w = open_window();
  w.select_band(4);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(w.ComboBox1->currentIndex(), 4);
  EXPECT_EQ(w.band_limits().lower, 349000000);
  EXPECT_EQ(w.remembered_band(), 4);
  EXPECT_EQ(w.blok(), new_blok(1));
  // A code the list does not have changes nothing.
  w.select_band(7);
  EXPECT_EQ(w.ComboBox1->currentIndex(), 4);
  EXPECT_EQ(w.band_limits().upper, 371000000);
}

}  // namespace
}  // namespace tirel::test
