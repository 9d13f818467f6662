// What the window shows for a blok, and the parameter sheet's values taken from it.
#include <gtest/gtest.h>

#include "blok/bands.h"
#include "blok/default_blok.h"
#include "blok/layout.h"
#include "blok/report_params.h"
#include "blok/settings.h"
#include "blok/window_view.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

const std::array<std::string, 8> kDefaultBand1Row{"  150,000000", " Выключен", "  150,000000", " Выключен",
                                                  "  Выключен",   "   25 кГц", "   Включен",   "  Выключен"};

TEST(WindowView, DefaultChannelsShowTheirTexts) {
  WindowView v;
  refresh_view(v, new_blok(1), ",");
  for (const ChannelRow& row : v.rows) {
    EXPECT_EQ(row.cells, kDefaultBand1Row);
    EXPECT_FALSE(row.off_ticked);
    EXPECT_FALSE(row.inhibit_ticked);
    EXPECT_TRUE(row.inhibit_enabled);
  }
}

TEST(WindowView, ChannelOffEmptiesTheRowAndGreysTheInhibitBoxKeepingItsTick) {
  for (int n = 1; n <= kChannelCount; ++n) {
    Blok b = new_blok(1);
    WindowView v;
    set_channel_flag(b, n, ChannelFlag::tx_enabled, false);
    refresh_view(v, b, ",");
    set_channel_flag(b, n, ChannelFlag::tx_enabled, true);  // changed while the channel is off
    set_channel_flag(b, n, ChannelFlag::on, false);
    const Blok shown = b;
    refresh_view(v, b, ",");
    EXPECT_EQ(b, shown) << "refreshing never changes the blok";
    const ChannelRow& row = v.rows[static_cast<std::size_t>(n - 1)];
    EXPECT_TRUE(row.off_ticked);
    EXPECT_FALSE(row.inhibit_enabled);
    EXPECT_TRUE(row.inhibit_ticked) << "the off channel's inhibit box keeps the tick it had";
    for (const std::string& cell : row.cells) EXPECT_EQ(cell, "");
    for (int m = 1; m <= kChannelCount; ++m)
      if (m != n) {
        EXPECT_EQ(v.rows[static_cast<std::size_t>(m - 1)].cells, kDefaultBand1Row);
      }

    set_channel_flag(b, n, ChannelFlag::on, true);
    refresh_view(v, b, ",");
    EXPECT_EQ(row.cells, kDefaultBand1Row) << "switching the channel on again brings its values back";
    EXPECT_FALSE(row.inhibit_ticked);
  }
}

TEST(WindowView, InhibitedTransmitterEmptiesTransmitColumnsOnly) {
  Blok b = new_blok(1);
  set_channel_flag(b, 4, ChannelFlag::tx_enabled, false);
  set_channel_flag(b, 4, ChannelFlag::narrow, true);
  set_channel_flag(b, 4, ChannelFlag::shift, true);
  set_channel_flag(b, 4, ChannelFlag::scan_skip, true);
  set_channel_flag(b, 4, ChannelFlag::busy_lock, true);
  WindowView v;
  refresh_view(v, b, ",");
  const ChannelRow& row = v.rows[3];
  EXPECT_TRUE(row.inhibit_ticked);
  EXPECT_TRUE(row.inhibit_enabled);
  EXPECT_EQ(row.cells, (std::array<std::string, 8>{"  150,000000", " Выключен", "", "", "   Включен", "  12,5 кГц",
                                                   "  Выключен", ""}));
}

TEST(WindowView, OpeningAFileFollowsItsBandCodeOnlyWithinTheList) {
  Blok b = new_blok(3);
  EXPECT_EQ(view_after_open(b, ",").band_index, 3);
  EXPECT_EQ(band_text(view_after_open(b, ",")), "438МГц - 470МГц (Р39)");
  b[layout::kBandCode] = 9;
  EXPECT_EQ(view_after_open(b, ",").band_index, kStartupBand);
}

TEST(WindowView, SettingsWithNoEntryShowEmpty) {
  Blok b = new_blok(1);
  b[static_cast<std::size_t>(setting_by_combo(210)->offset)] = 0x16;
  const WindowView v = view_after_open(b, ",");
  EXPECT_FALSE(v.setting_index[6]);
  EXPECT_EQ(setting_entry_text(v, 6), "");
  EXPECT_EQ(setting_entry_text(v, 0), "60 секунд");
}

TEST(ReportParams, HundredSeventyThreeNamesInThePrintOrder) {
  const ReportParams p = report_params(view_after_open(new_blok(1), ","));
  ASSERT_EQ(p.size(), 173u);
  std::vector<std::string> expected{"model", "frq", "po"};
  for (int n = 1; n <= 16; ++n)
    for (const char* stem : {"no_kan", "no_tx", "f_rx", "st_rx", "f_tx", "st_tx", "pow", "band", "skan", "busy"})
      expected.push_back(stem + std::to_string(n));
  for (const char* s : {"osn1", "osn5", "osn6", "osn7", "osn13", "osn8", "osn9", "osn10", "osn11", "osn12"})
    expected.push_back(s);
  for (std::size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].first, expected[i]);
}

TEST(ReportParams, ValuesAreTheWindowsTexts) {
  Blok b = new_blok(3);
  set_channel_flag(b, 2, ChannelFlag::on, false);
  set_channel_flag(b, 5, ChannelFlag::tx_enabled, false);
  b[static_cast<std::size_t>(layout::tone_type_byte(1, Dir::rx))] |= 0x30;
  b[static_cast<std::size_t>(layout::tone_high(1, Dir::rx))] = 0x06;
  b[static_cast<std::size_t>(layout::tone_low(1, Dir::rx))] = 0x70;
  const ReportParams p = report_params(view_after_open(b, "."));
  auto value = [&](const std::string& name) {
    for (const auto& [n, v] : p)
      if (n == name) return v;
    return std::string("<missing>");
  };
  EXPECT_EQ(value("model"), "Тирель-12");
  EXPECT_EQ(value("frq"), "438МГц - 470МГц (Р39)");
  EXPECT_EQ(value("po"), "ПО Тирель-12  Версия 1.1");
  EXPECT_EQ(value("st_rx1"), "  CTC 67.0");
  EXPECT_EQ(value("f_rx1"), "  460,000000");
  EXPECT_EQ(value("band1"), "   25 кГц");
  EXPECT_EQ(value("no_kan1"), "");
  EXPECT_EQ(value("no_kan2"), "V");
  EXPECT_EQ(value("f_rx2"), "");
  EXPECT_EQ(value("busy2"), "");
  EXPECT_EQ(value("no_tx5"), "V");
  EXPECT_EQ(value("f_tx5"), "");
  EXPECT_EQ(value("st_tx5"), "");
  EXPECT_EQ(value("busy5"), "");
  EXPECT_EQ(value("pow5"), "  Выключен");
  EXPECT_EQ(value("skan5"), "   Включен");
  EXPECT_EQ(value("osn10"), "0,5 cекунд");
  EXPECT_EQ(value("osn12"), "3,0 секунды");
}

}  // namespace
}  // namespace tirel
