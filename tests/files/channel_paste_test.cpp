// Channels copied byte for byte, and channel rows pasted as text: where they go and what is
// refused.
#include <gtest/gtest.h>

#include "blok/default_blok.h"
#include "files/channel_paste.h"

namespace tirel {
namespace {

const std::string kHeader =
    "№,Канал выключен,Запрет передачи,Частота ПРМ (МГц),Субтон ПРМ,Частота ПРД (МГц),Субтон ПРД,"
    "Сдвиг частоты,Ширина канала,Сканирование,Запрет передачи на занятом канале\r\n";

TEST(ChannelPaste, ChannelBytesAreTheSixteenDataBytesOfItsTwoRecords) {
  Blok b = new_blok(1);
  for (int i = 0; i < 24; ++i) b[static_cast<std::size_t>(24 * 15 + i)] = static_cast<std::uint8_t>(0xA0 + i);
  const ChannelData d = channel_data(b, 16);
  EXPECT_EQ(d, (ChannelData{0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB,
                            0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7}));
  Blok target = new_blok(1);
  set_channel_data(target, 2, d);
  const Blok fresh = new_blok(1);
  for (int i = 0; i < kBlokSize; ++i) {
    const int in_channel = i - 24;
    const bool data = (in_channel >= 4 && in_channel < 12) || (in_channel >= 16 && in_channel < 24);
    if (!data) {
      EXPECT_EQ(target[static_cast<std::size_t>(i)], fresh[static_cast<std::size_t>(i)]) << i;
    }
  }
  EXPECT_EQ(target[28], 0xA4);
  EXPECT_EQ(target[47], 0xB7);
  EXPECT_EQ(target[24], 0x57);  // record 3's header: W, address 0x0010, 8
  EXPECT_EQ(target[26], 0x10);
}

TEST(ChannelPaste, OneCopiedChannelTextGoesWhereItIsPasted) {
  Blok source = new_blok(1);
  source[24 * 2 + 18] = 0x03;  // channel 3: 12,5 kHz and frequency shift
  const std::string text = export_csv_channel(source, 3);
  EXPECT_EQ(text, kHeader + "3,no,no,150.000000,off,150.000000,off,on,12.5,on,off\r\n");
  const CsvImport r = paste_rows(text, new_blok(1), 9);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.channels, 1);
  EXPECT_EQ(r.blok[24 * 8 + 18], 0x03);
  EXPECT_EQ(r.blok[24 * 2 + 18], 0x00);
}

TEST(ChannelPaste, RowsOfACHIRPListFillOnlyTheChannelsTheyReach) {
  const Blok base = new_blok(3);
  const std::string text =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip\r\n"
      "1,PMR1,446.006250,,0.000000,,88.5,88.5,023,NN,NFM,6.25,\r\n"
      "2,PMR2,446.018750,,0.000000,,88.5,88.5,023,NN,NFM,6.25,\r\n";
  const CsvImport r = paste_rows(text, base, 15);
  ASSERT_TRUE(r.ok) << (r.errors.empty() ? "" : r.errors[0].message);
  EXPECT_EQ(r.channels, 2);
  EXPECT_EQ(channel_data(r.blok, 1), channel_data(base, 1));
  EXPECT_NE(channel_data(r.blok, 15), channel_data(base, 15));
  EXPECT_EQ(r.blok[24 * 15 + 18] & 0x01, 0x01);  // channel 16 narrow, as NFM says
  EXPECT_FALSE(paste_rows(text, base, 16).ok);    // two rows do not fit below channel 16
}

TEST(ChannelPaste, CellsCopiedFromASpreadsheetComeSeparatedByTabs) {
  // Our own table, header and one row, as a spreadsheet puts it on the clipboard.
  const std::string ours =
      "№\tКанал выключен\tЗапрет передачи\tЧастота ПРМ (МГц)\tСубтон ПРМ\tЧастота ПРД (МГц)\tСубтон ПРД\t"
      "Сдвиг частоты\tШирина канала\tСканирование\tЗапрет передачи на занятом канале\n"
      "3\tno\tno\t150.000000\toff\t150.000000\toff\ton\t12.5\ton\toff\n";
  const CsvImport r = paste_rows(ours, new_blok(1), 9);
  ASSERT_TRUE(r.ok) << (r.errors.empty() ? "" : r.errors[0].message);
  EXPECT_EQ(r.channels, 1);
  EXPECT_EQ(r.blok[24 * 8 + 18], 0x03);

  // A CHIRP list: empty cells, and a quoted name holding a tab right after one.
  const std::string chirp =
      "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tcToneFreq\tDtcsCode\tDtcsPolarity\tMode\tTStep"
      "\tSkip\tComment\n"
      "1\tPMR1\t446.006250\t\t0.000000\t\t88.5\t88.5\t023\tNN\tNFM\t6.25\t\t\"a\tb\"\n";
  const Blok base = new_blok(3);
  const CsvImport c = paste_rows(chirp, base, 16);
  ASSERT_TRUE(c.ok) << (c.errors.empty() ? "" : c.errors[0].message);
  EXPECT_EQ(c.channels, 1);
  EXPECT_EQ(c.blok[24 * 15 + 18] & 0x01, 0x01);  // NFM: 12,5 kHz
  EXPECT_NE(channel_data(c.blok, 16), channel_data(base, 16));
}

}  // namespace
}  // namespace tirel
