// Frequency and sub-tone entry of a channel through the real dialogs, answered while modal.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/subtone.h"
#include "modal.h"
#include "scripted_prompter.h"
#include "ui/channel_edit.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"

namespace tirel {
namespace {

using test::ScriptedPrompter;
using test::when_modal;

// "MHz,ffffff": exactly the hertz, in ten characters for three-digit megahertz.
QString mhz_text(std::int64_t hz) {
  return QString("%1,%2").arg(hz / 1000000).arg(hz % 1000000, 6, 10, QLatin1Char('0'));
}

class ChannelEntry : public ::testing::Test {
 protected:
  // Types `text` into the frequency dialog when it opens and presses Enter; notes its caption.
  void will_type(const QString& text, Qt::Key last = Qt::Key_Return) {
    when_modal<TForm3>([this, text, last](TForm3* f) {
      caption = f->windowTitle();
      QTest::keyClicks(f->AdvEdit1, text);
      QTest::keyClick(f->AdvEdit1, last);
    });
  }
  // Lets `choose` set the sub-tone dialog when it opens, then presses "Да" (or "Нет").
  void will_choose(std::function<void(TForm4*)> choose, bool yes = true) {
    when_modal<TForm4>([this, choose, yes](TForm4* f) {
      caption = f->windowTitle();
      choose(f);
      QTest::mouseClick(yes ? f->Button1 : f->Button2, Qt::LeftButton);
    });
  }
  QRadioButton* radio(TForm4* f, ToneKind k) {
    return qobject_cast<QRadioButton*>(f->RadioGroup1Items->button(static_cast<int>(k)));
  }
  // Every byte of the blok other than those listed is as it was.
  void expect_only_changed(const Blok& before, std::initializer_list<int> offsets) {
    for (int i = 0; i < kBlokSize; ++i) {
      if (std::find(offsets.begin(), offsets.end(), i) != offsets.end()) continue;
      ASSERT_EQ(b[i], before[i]) << "offset " << i;
    }
  }

  QWidget owner;
  TForm3 form3{&owner};
  TForm4 form4{&owner};
  Blok b = new_blok(1);
  ScriptedPrompter prompts;
  QString caption;
};

TEST_F(ChannelEntry, StoresTheWorkedEntriesAndShowsThemBack) {
  const struct {
    const char* typed;
    int band;
    std::int64_t stored;
    std::uint8_t low, mid, top;
    const char* shown;
  } cases[] = {
      {"146", 1, 146000000, 0x40, 0x5B, 0x0C, "  146,000000"},
      {"146,0125", 1, 146012500, 0x42, 0x5B, 0x0C, "  146,012500"},
      {"146,0025", 1, 146002500, 0x21, 0xE4, 0x08, "  146,002500"},
      {"150,001", 1, 150000000, 0xC0, 0x5D, 0x0C, "  150,000000"},
      {"421", 2, 421000000, 0x20, 0x07, 0x0D, "  421,000000"},
      {"440,00625", 3, 440005000, 0x82, 0xAF, 0x0A, "  440,005000"},
  };
  int n = 0;
  for (const auto& c : cases) {
    for (Dir d : {Dir::rx, Dir::tx}) {
      n = n % kChannelCount + 1;
      b = new_blok(c.band);
      const Blok before = b;
      will_type(QString::fromLatin1(c.typed));
      in_frq(b, n, d, *band_limits(c.band), form3);
      EXPECT_EQ(caption, d == Dir::rx ? "Частота приема (МГц)" : "Частота передачи (МГц)");
      EXPECT_EQ(b[layout::freq_low(n, d)], c.low) << c.typed;
      EXPECT_EQ(b[layout::freq_mid(n, d)], c.mid) << c.typed;
      EXPECT_EQ(b[layout::freq_top(n, d)], c.top) << c.typed;
      EXPECT_EQ(blok_to_frq_str(b, n, d), c.shown);
      EXPECT_EQ(form3.frq, c.stored) << "the rounded value replaces the entry";
      expect_only_changed(before, {layout::freq_low(n, d), layout::freq_mid(n, d), layout::freq_top(n, d)});
    }
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ChannelEntry, EveryBandTakesItsEdgesAndRefusesOneHertzBeyond) {
  std::vector<BandLimits> all{kStartupLimits};
  for (int band = 0; band < kBandCount; ++band) all.push_back(*band_limits(band));
  for (const BandLimits& lim : all) {
    for (std::int64_t hz : {std::int64_t{lim.lower}, std::int64_t{lim.upper}}) {
      prompts.messages.clear();
      will_type(mhz_text(hz));
      in_frq(b, 5, Dir::tx, lim, form3);
      EXPECT_TRUE(prompts.messages.empty()) << hz;
      EXPECT_EQ(frequency_hz(b, 5, Dir::tx), hz);
    }
    for (std::int64_t hz : {std::int64_t{lim.lower} - 1, std::int64_t{lim.upper} + 1}) {
      prompts.messages.clear();
      const Blok before = b;
      will_type(mhz_text(hz));
      in_frq(b, 5, Dir::rx, lim, form3);
      ASSERT_EQ(prompts.messages.size(), 1u) << hz;
      EXPECT_EQ(prompts.messages[0].text, "Введенная частота вне диапазона!");
      EXPECT_EQ(prompts.messages[0].caption, "Ошибка ввода");
      EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
      EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
      EXPECT_EQ(b, before) << hz;
    }
  }
}

TEST_F(ChannelEntry, FarAboveOrBelowEveryBandIsRefused) {
  for (const char* typed : {"4441", ",146000000", ",5", "9999999999"}) {
    prompts.messages.clear();
    const Blok before = b;
    will_type(QString::fromLatin1(typed));
    in_frq(b, 1, Dir::rx, *band_limits(1), form3);
    EXPECT_EQ(prompts.messages.size(), 1u) << typed;
    EXPECT_EQ(b, before) << typed;
  }
}

TEST_F(ChannelEntry, NoEntryStoresNothingAndSaysNothing) {
  const Blok before = b;
  will_type("");                          // "Да" on an empty field
  in_frq(b, 3, Dir::rx, *band_limits(1), form3);
  will_type("146,5", Qt::Key_Escape);     // a valid frequency, then Escape
  in_frq(b, 3, Dir::rx, *band_limits(1), form3);
  will_type(",");
  in_frq(b, 3, Dir::tx, *band_limits(1), form3);
  when_modal<TForm3>([](TForm3* f) {
    QTest::keyClicks(f->AdvEdit1, "146,5");
    f->close();
  });
  in_frq(b, 3, Dir::tx, *band_limits(1), form3);
  EXPECT_EQ(b, before);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ChannelEntry, SubToneChoicesAreStoredForEveryChannelAndDirection) {
  for (int n = 1; n <= kChannelCount; ++n) {
    for (Dir d : {Dir::rx, Dir::tx}) {
      const Blok before = b;
      will_choose([this](TForm4* f) {
        QTest::mouseClick(radio(f, ToneKind::dcs), Qt::LeftButton);
        f->ComboBox2->setCurrentText("754");
        f->CheckBox1->setChecked(true);
      });
      in_tone(b, n, d, form4);
      EXPECT_EQ(caption, d == Dir::rx ? "Субтон приема" : "Субтон передачи");
      EXPECT_EQ(b[layout::tone_type_byte(n, d)], 0x78) << n;
      EXPECT_EQ(b[layout::tone_high(n, d)], 0x01);
      EXPECT_EQ(b[layout::tone_low(n, d)], 0xEC);
      expect_only_changed(before, {layout::tone_type_byte(n, d), layout::tone_high(n, d), layout::tone_low(n, d)});
    }
  }
}

TEST_F(ChannelEntry, TheDialogOpensOnTheChannelsToneAndYesUnchangedKeepsIt) {
  const std::uint8_t types[] = {kToneCtcss, kToneDcs, kToneDcsInverted, kToneOff};
  const char* texts[] = {"  CTC 123,0", "   DCS 371", "  -DCS 411", " Выключен"};
  b[layout::tone_type_byte(2, Dir::rx)] = 0x38, b[layout::tone_high(2, Dir::rx)] = 0x12, b[layout::tone_low(2, Dir::rx)] = 0x30;
  b[layout::tone_type_byte(3, Dir::rx)] = 0x58, b[layout::tone_high(3, Dir::rx)] = 0x00, b[layout::tone_low(3, Dir::rx)] = 0xF9;
  b[layout::tone_type_byte(4, Dir::rx)] = 0x78, b[layout::tone_high(4, Dir::rx)] = 0x01, b[layout::tone_low(4, Dir::rx)] = 0x09;
  for (int i = 0; i < 4; ++i) {
    const int n = i + 2;
    const Blok before = b;
    will_choose([](TForm4*) {});
    in_tone(b, n, Dir::rx, form4);
    EXPECT_EQ(b, before) << n;
    EXPECT_EQ(tone_type(b, n, Dir::rx), types[i]);
    EXPECT_EQ(blok_to_stone_str(b, n, Dir::rx, ","), texts[i]);
  }
}

TEST_F(ChannelEntry, TypedTonesAreReadByDigitPosition) {
  will_choose([this](TForm4* f) {
    QTest::mouseClick(radio(f, ToneKind::ctcss), Qt::LeftButton);
    f->ComboBox1->setEditText("88.5");
  });
  in_tone(b, 7, Dir::tx, form4);
  EXPECT_EQ(tone_type(b, 7, Dir::tx), kToneCtcss);
  EXPECT_EQ(b[layout::tone_high(7, Dir::tx)], 0x08);
  EXPECT_EQ(b[layout::tone_low(7, Dir::tx)], 0x85);

  will_choose([this](TForm4* f) {
    QTest::mouseClick(radio(f, ToneKind::dcs), Qt::LeftButton);
    f->ComboBox2->setEditText("411");
  });
  in_tone(b, 7, Dir::rx, form4);
  EXPECT_EQ(b[layout::tone_high(7, Dir::rx)], 1);
  EXPECT_EQ(b[layout::tone_low(7, Dir::rx)], 0x09);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ChannelEntry, AnUnreadableTypedToneIsReportedAndTheFieldStaysAsItWas) {
  b[layout::tone_type_byte(9, Dir::tx)] = 0x58, b[layout::tone_high(9, Dir::tx)] = 0x00, b[layout::tone_low(9, Dir::tx)] = 0xF9;
  const struct {
    ToneKind kind;
    const char* text;
  } cases[] = {{ToneKind::ctcss, "12x,5"}, {ToneKind::ctcss, "88"}, {ToneKind::ctcss, ""},
               {ToneKind::ctcss, "тон"},   {ToneKind::dcs, "7a4"},   {ToneKind::dcs, "02"},
               {ToneKind::dcs, "023 "},    {ToneKind::dcs, "-23"}};
  for (const auto& c : cases) {
    prompts.messages.clear();
    const Blok before = b;
    will_choose([this, c](TForm4* f) {
      QTest::mouseClick(radio(f, c.kind), Qt::LeftButton);
      (c.kind == ToneKind::ctcss ? f->ComboBox1 : f->ComboBox2)->setEditText(QString::fromUtf8(c.text));
    });
    in_tone(b, 9, Dir::tx, form4);
    EXPECT_EQ(b, before) << c.text;
    ASSERT_EQ(prompts.messages.size(), 1u) << c.text;
    EXPECT_EQ(prompts.messages[0].caption, "Ошибка ввода");
    EXPECT_TRUE(prompts.messages[0].text.contains(QString::fromUtf8(c.text))) << c.text;
  }
}

TEST_F(ChannelEntry, NoAndTheCloseBoxLeaveTheSubToneAlone) {
  b[layout::tone_type_byte(1, Dir::rx)] = 0xEA;  // type 6, which the program never writes
  const Blok before = b;
  will_choose([this](TForm4* f) { QTest::mouseClick(radio(f, ToneKind::ctcss), Qt::LeftButton); }, false);
  in_tone(b, 1, Dir::rx, form4);
  when_modal<TForm4>([this](TForm4* f) {
    QTest::mouseClick(radio(f, ToneKind::ctcss), Qt::LeftButton);
    f->close();
  });
  in_tone(b, 1, Dir::rx, form4);
  EXPECT_EQ(b, before);
  // An unknown type opens on "Выключен": "Да" clears it, keeping the low bits of the byte.
  will_choose([](TForm4*) {});
  in_tone(b, 1, Dir::rx, form4);
  EXPECT_EQ(b[layout::tone_type_byte(1, Dir::rx)], 0x0A);
}

TEST_F(ChannelEntry, AChannelsToneIsFoundInTheListWhateverTheDecimalSeparator) {
  // The list shows the tones with a comma; the channel's tone must still be the one offered.
  for (const char* tone : kCtcssTones) {
    ToneChoice ctc{ToneKind::ctcss, tone, "023", false};
    ASSERT_TRUE(store_tone(b, 11, Dir::rx, ctc).ok);
    form4.preset(tone_type(b, 11, Dir::rx), tone_value(b, 11, Dir::rx));
    EXPECT_EQ(form4.ComboBox1->currentText(), QString::fromLatin1(tone));
    EXPECT_EQ(form4.choice().ctcss_text, tone);
  }
  for (const char* code : kDcsCodes) {
    for (bool inverted : {false, true}) {
      ASSERT_TRUE(store_tone(b, 11, Dir::tx, {ToneKind::dcs, "67,0", code, inverted}).ok);
      form4.preset(tone_type(b, 11, Dir::tx), tone_value(b, 11, Dir::tx));
      const ToneChoice back = form4.choice();
      EXPECT_EQ(back.kind, ToneKind::dcs);
      EXPECT_EQ(back.dcs_text, code);
      EXPECT_EQ(back.inverted, inverted);
    }
  }
}

}  // namespace
}  // namespace tirel
