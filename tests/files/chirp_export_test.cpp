// A parameter set written as a CHIRP list: the columns CHIRP expects, the tone mode chosen for each
// pair of sub-tones, values CHIRP cannot hold reported, and the list read back into the same channels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "chirp_lists.h"
#include "text_lines.h"
#include "files/chirp_csv.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

using test::lines_of;

// Band 3 with the sixteen importable rows of the tone list: every tone and cross mode, a split,
// an inhibited transmitter with every flag, a repeater shift.
Blok tone_set() {
  const Blok base = new_blok(3);
  const chirp::List list = chirp::read_list(test::chirp_list("tone_modes.csv"), base);
  return chirp::apply_rows(base, list, chirp::default_choice(list, 1), 1).blok;
}

TEST(ChirpExport, NewerColumnsOneRowPerChannelOnWithToneModesAndFillers) {
  Blok b = tone_set();
  ASSERT_EQ(store_frq(b, 1, Dir::rx, 440002500, {436000000, 472000000}).what, FrqStore::stored);
  set_channel_flag(b, 13, ChannelFlag::on, false);
  const chirp::Export e = chirp::export_list(b);
  EXPECT_TRUE(e.notes.empty());
  const std::vector<std::string> lines = lines_of(e.text);
  ASSERT_EQ(lines.size(), 16u) << "the header and fifteen channels that are on";
  EXPECT_EQ(lines[0],
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
            "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");
  const std::vector<std::string> rows = {
      "1,,440.002500,-,0.002500,,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,,,,,,",
      "2,,440.012500,,0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,",
      "3,,440.025000,,0.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,",
      "4,,440.037500,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,",
      "5,,440.050000,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,6.25,,,,,,,",
      "6,,440.062500,,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,",
      "7,,440.075000,,0.000000,Cross,82.5,88.5,023,NR,411,Tone->DTCS,NFM,6.25,,,,,,,",
      "8,,440.087500,,0.000000,Cross,88.5,151.4,155,RN,023,DTCS->Tone,NFM,6.25,,,,,,,",
      "9,,440.100000,,0.000000,Cross,88.5,88.5,371,NN,023,DTCS->,NFM,6.25,,,,,,,",
      "10,,440.112500,,0.000000,Cross,88.5,203.5,023,NN,023,->Tone,NFM,6.25,,,,,,,",
      "11,,440.125000,,0.000000,Cross,88.5,88.5,023,NR,026,->DTCS,NFM,6.25,,,,,,,",
      "12,,440.137500,,0.000000,Cross,88.5,88.5,023,RR,754,DTCS->DTCS,NFM,6.25,,,,,,,",
      "14,,440.000000,+,5.500000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,",
      "15,,438.500000,off,0.000000,TSQL,88.5,97.4,023,NN,023,Tone->Tone,NFM,6.25,S,,freq shift; busy lock,,,,",
      "16,,439.000000,+,7.600000,Tone,118.8,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,",
  };
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(lines[i + 1], rows[i]);
}

TEST(ChirpExport, ValuesWithNoChirpFormAreLeftOutAndReported) {
  Blok b = tone_set();
  std::uint8_t& type2 = b[static_cast<std::size_t>(layout::tone_type_byte(2, Dir::tx))];
  type2 = static_cast<std::uint8_t>((type2 & 0x0F) | 0x20);             // a type the program never writes
  b[static_cast<std::size_t>(layout::tone_low(3, Dir::rx))] = 0x71;  // 127.1 Hz: not a table tone
  const chirp::Export e = chirp::export_list(b);
  EXPECT_EQ(e.notes, (std::vector<std::string>{
                         "канал 2: субтон передачи (тип 2, значение 1000) не из таблиц — в CHIRP его не записать, "
                         "в файле канал без него",
                         "канал 3: субтон приёма (тип 3, значение 1271) не из таблиц — в CHIRP его не записать, "
                         "в файле канал без него"}));
  const std::vector<std::string> lines = lines_of(e.text);
  EXPECT_EQ(lines[2], "2,,440.012500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,");
  EXPECT_EQ(lines[3], "3,,440.025000,,0.000000,Tone,123.0,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,,,,,");
}

TEST(ChirpExport, AnExportedListReadIntoTheSameSetGivesTheSameChannels) {
  const Blok set = tone_set();
  Blok base = new_blok(3);
  const chirp::List list = chirp::read_list(chirp::export_list(set).text, base);
  ASSERT_EQ(list.rows.size(), 16u);
  for (const chirp::Row& r : list.rows) EXPECT_TRUE(r.importable()) << r.line << ": " << r.refusals.front();
  const chirp::Applied back = chirp::apply_rows(base, list, chirp::default_choice(list, 1), 1);
  ASSERT_TRUE(back.ok);
  for (int n = 1; n <= 16; ++n) {
    for (Dir d : {Dir::rx, Dir::tx}) {
      EXPECT_EQ(frequency_hz(back.blok, n, d), frequency_hz(set, n, d)) << "channel " << n;
      EXPECT_EQ(tone_type(back.blok, n, d), tone_type(set, n, d)) << "channel " << n;
      EXPECT_EQ(tone_value(back.blok, n, d), tone_value(set, n, d)) << "channel " << n;
    }
    for (ChannelFlag f : {ChannelFlag::on, ChannelFlag::tx_enabled, ChannelFlag::narrow, ChannelFlag::shift,
                          ChannelFlag::busy_lock, ChannelFlag::scan_skip})
      EXPECT_EQ(channel_flag(back.blok, n, f), channel_flag(set, n, f)) << "channel " << n;
  }
  EXPECT_TRUE(channel_flag(back.blok, 15, ChannelFlag::shift));
  EXPECT_TRUE(channel_flag(back.blok, 15, ChannelFlag::busy_lock));
}

}  // namespace
}  // namespace tirel
