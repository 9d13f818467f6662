// The sub-tone dialog on its own: presets, the enabling of its lists and what it reports.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "blok/subtone.h"
#include "ui/vvod_tona.h"

namespace tirel {
namespace {

// BCD tenths of a table tone: "67,0" -> 0x0670, "123,0" -> 0x1230.
std::uint16_t ctcss_value(std::string tone) {
  std::string digits;
  for (char c : tone)
    if (c != ',') digits += c;
  return static_cast<std::uint16_t>(std::stoi(digits, nullptr, 16));
}
std::uint16_t dcs_value(const std::string& code) { return static_cast<std::uint16_t>(std::stoi(code, nullptr, 8)); }

class ToneDialog : public ::testing::Test {
 protected:
  QRadioButton* choice(ToneKind k) {
    return qobject_cast<QRadioButton*>(form.RadioGroup1Items->button(static_cast<int>(k)));
  }
  void expect_enabled(bool ctcss, bool dcs, bool box) {
    EXPECT_EQ(form.ComboBox1->isEnabled(), ctcss);
    EXPECT_EQ(form.ComboBox2->isEnabled(), dcs);
    EXPECT_EQ(form.CheckBox1->isEnabled(), box);
  }
  // Leaves the dialog as a previous use could: other entries chosen, the box ticked.
  void stir() {
    form.ComboBox1->setCurrentIndex(18);  // "123,0"
    form.ComboBox2->setCurrentIndex(49);  // "371"
    form.CheckBox1->setChecked(true);
    form.set_item_index(static_cast<int>(ToneKind::dcs));
  }
  TForm4 form;
};

TEST_F(ToneDialog, StartsSwitchedOffAtTheFirstEntries) {
  EXPECT_EQ(form.item_index(), static_cast<int>(ToneKind::off));
  EXPECT_EQ(form.ComboBox1->count(), 50);
  EXPECT_EQ(form.ComboBox2->count(), 83);
  EXPECT_EQ(form.ComboBox1->currentText(), "67,0");
  EXPECT_EQ(form.ComboBox2->currentText(), "023");
  EXPECT_EQ(form.tone_ok, 0);
  expect_enabled(false, false, false);
  EXPECT_EQ(form.size(), QSize(197, 126));
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
  EXPECT_EQ(choice(ToneKind::ctcss)->text(), "CTC");
  EXPECT_EQ(choice(ToneKind::dcs)->text(), "DCS");
  EXPECT_EQ(choice(ToneKind::off)->text(), "Выключен");
  EXPECT_EQ(form.CheckBox1->text(), "Инверт. DCS");
}

TEST_F(ToneDialog, OffPresetReturnsBothListsToTheirFirstEntries) {
  stir();
  form.preset(kToneOff, 0);
  EXPECT_EQ(form.item_index(), static_cast<int>(ToneKind::off));
  EXPECT_EQ(form.ComboBox1->currentText(), "67,0");
  EXPECT_EQ(form.ComboBox2->currentText(), "023");
  EXPECT_FALSE(form.CheckBox1->isChecked());
  expect_enabled(false, false, false);
}

TEST_F(ToneDialog, CtcssPresetSelectsEveryTableTone) {
  for (const char* tone : kCtcssTones) {
    stir();
    form.preset(kToneCtcss, ctcss_value(tone));
    EXPECT_EQ(form.item_index(), static_cast<int>(ToneKind::ctcss)) << tone;
    EXPECT_EQ(form.ComboBox1->currentText(), QString::fromLatin1(tone));
    EXPECT_EQ(form.ComboBox2->currentText(), "023");
    EXPECT_FALSE(form.CheckBox1->isChecked());
    expect_enabled(true, false, false);
  }
}

TEST_F(ToneDialog, DcsPresetSelectsEveryTableCodeWithItsInversion) {
  for (const char* code : kDcsCodes) {
    for (std::uint8_t type : {kToneDcs, kToneDcsInverted}) {
      stir();
      form.CheckBox1->setChecked(type == kToneDcs);
      form.preset(type, dcs_value(code));
      EXPECT_EQ(form.item_index(), static_cast<int>(ToneKind::dcs)) << code;
      EXPECT_EQ(form.ComboBox2->currentText(), QString::fromLatin1(code));
      EXPECT_EQ(form.ComboBox1->currentText(), "67,0");
      EXPECT_EQ(form.CheckBox1->isChecked(), type == kToneDcsInverted) << code;
      expect_enabled(false, true, true);
    }
  }
}

TEST_F(ToneDialog, AToneOutsideTheTablesKeepsTheEarlierEntry) {
  stir();
  form.preset(kToneCtcss, 0x0690);  // 69,0 Hz is no standard tone
  EXPECT_EQ(form.ComboBox1->currentText(), "123,0");
  stir();
  form.preset(kToneDcs, dcs_value("036"));  // a standard code the radio's list leaves out
  EXPECT_EQ(form.ComboBox2->currentText(), "371");
}

TEST_F(ToneDialog, TypedTextOfAnEarlierUseGivesWayToThePreset) {
  form.ComboBox1->setCurrentIndex(18);  // "123,0"
  form.ComboBox1->setEditText("88.5");
  form.ComboBox2->setEditText("777");
  form.preset(kToneCtcss, 0x1230);
  EXPECT_EQ(form.ComboBox1->currentText(), "123,0");
  EXPECT_EQ(form.ComboBox2->currentText(), "023");
  form.ComboBox1->setEditText("88.5");
  form.preset(kToneCtcss, 0x0690);
  EXPECT_EQ(form.ComboBox1->currentText(), "123,0");
}

TEST_F(ToneDialog, TypesTheProgramNeverWritesOpenSwitchedOffWithTheListsAsTheyWere) {
  for (std::uint8_t type : {0x10, 0x20, 0x40, 0x60}) {
    stir();
    form.preset(type, 0x1234);
    EXPECT_EQ(form.item_index(), static_cast<int>(ToneKind::off)) << int(type);
    EXPECT_EQ(form.ComboBox1->currentText(), "123,0");
    EXPECT_EQ(form.ComboBox2->currentText(), "371");
    EXPECT_TRUE(form.CheckBox1->isChecked());
    expect_enabled(false, false, false);
  }
}

TEST_F(ToneDialog, ChoosingARadioButtonEnablesOnlyItsListAndKeepsEverySelection) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  stir();
  const struct {
    ToneKind kind;
    bool ctcss, dcs, box;
  } steps[] = {{ToneKind::ctcss, true, false, false}, {ToneKind::dcs, false, true, true},
               {ToneKind::off, false, false, false}, {ToneKind::ctcss, true, false, false},
               {ToneKind::dcs, false, true, true}};
  for (const auto& s : steps) {
    QTest::mouseClick(choice(s.kind), Qt::LeftButton);
    EXPECT_EQ(form.item_index(), static_cast<int>(s.kind));
    expect_enabled(s.ctcss, s.dcs, s.box);
    EXPECT_EQ(form.ComboBox1->currentText(), "123,0");
    EXPECT_EQ(form.ComboBox2->currentText(), "371");
    EXPECT_TRUE(form.CheckBox1->isChecked());
  }
  form.reject();
}

TEST_F(ToneDialog, YesReportsTheShownTextsAndOnlyYesSetsToneOk) {
  form.show();
  form.preset(kToneOff, 0);
  QTest::mouseClick(choice(ToneKind::dcs), Qt::LeftButton);
  form.ComboBox1->setEditText("88.5");
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.tone_ok, 1);
  const ToneChoice c = form.choice();
  EXPECT_EQ(c.kind, ToneKind::dcs);
  EXPECT_EQ(c.dcs_text, "023");
  EXPECT_EQ(c.ctcss_text, "88.5");
  EXPECT_FALSE(c.inverted);

  form.show();
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  EXPECT_EQ(form.tone_ok, 0);

  for (auto close : {+[](TForm4& f) { f.close(); },  // the close box
                     +[](TForm4& f) { QTest::keyClick(&f, Qt::Key_Escape); }}) {
    form.show();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    ASSERT_EQ(form.tone_ok, 1);
    form.show();
    close(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.tone_ok, 0);
  }
}

TEST_F(ToneDialog, TypedToneWithEnterAcceptsWithoutGrowingTheList) {
  form.preset(kToneCtcss, 0x0670);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(choice(ToneKind::ctcss)->hasFocus());
  form.ComboBox1->setFocus();
  form.ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(form.ComboBox1->lineEdit(), "88.5");
  QTest::keyClick(form.ComboBox1->lineEdit(), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.tone_ok, 1);
  EXPECT_EQ(form.choice().ctcss_text, "88.5");
  EXPECT_EQ(form.ComboBox1->count(), 50);
}

}  // namespace
}  // namespace tirel
