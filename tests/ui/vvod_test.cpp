// The frequency entry dialog: what typing does to the field and what the dialog hands over.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "scripted_prompter.h"
#include "ui/vvod.h"

namespace tirel {
namespace {

using test::ScriptedPrompter;

void type_char(QWidget* w, QChar c) {
  QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class FrequencyDialog : public ::testing::Test {
 protected:
  void open() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  TForm3 form;
  ScriptedPrompter prompts;
};

TEST_F(FrequencyDialog, PointTypesAsCommaAndYesHandsOverHertz) {
  open();
  QTest::keyClicks(form.AdvEdit1, "146.5");
  EXPECT_EQ(form.AdvEdit1->text(), "146,5");
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(form.frq, 146500000);
}

TEST_F(FrequencyDialog, OnlyDigitsAndOneCommaReachTheField) {
  open();
  QTest::keyClicks(form.AdvEdit1, "1a4-6 ,+2.,5e");
  EXPECT_EQ(form.AdvEdit1->text(), "146,25");
  for (QChar c : QString::fromUtf8("ф№½٣")) type_char(form.AdvEdit1, c);  // Cyrillic, signs, other digits
  EXPECT_EQ(form.AdvEdit1->text(), "146,25");
  QTest::keyClick(form.AdvEdit1, Qt::Key_Backspace);
  QTest::keyClick(form.AdvEdit1, Qt::Key_Backspace);
  QTest::keyClick(form.AdvEdit1, Qt::Key_Backspace);
  EXPECT_EQ(form.AdvEdit1->text(), "146");
  QTest::keyClicks(form.AdvEdit1, ".0125");
  EXPECT_EQ(form.AdvEdit1->text(), "146,0125");
  QTest::keyClicks(form.AdvEdit1, "999999");
  EXPECT_EQ(form.AdvEdit1->text(), "146,012599");  // ten characters at most
  EXPECT_TRUE(form.isVisible());
}

TEST_F(FrequencyDialog, ACommaReplacingTheSelectedCommaIsTaken) {
  open();
  QTest::keyClicks(form.AdvEdit1, "146,5");
  form.AdvEdit1->selectAll();
  QTest::keyClicks(form.AdvEdit1, ".5");
  EXPECT_EQ(form.AdvEdit1->text(), ",5");
}

TEST_F(FrequencyDialog, EnterAcceptsAndEscapeRefusesWithoutTouchingTheText) {
  open();
  QTest::keyClicks(form.AdvEdit1, "146,025");
  QTest::keyClick(form.AdvEdit1, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.frq, 146025000);
  EXPECT_EQ(form.AdvEdit1->text(), "146,025");

  open();
  QTest::keyClicks(form.AdvEdit1, "150");
  QTest::keyClick(form.AdvEdit1, Qt::Key_Enter);  // the keypad's Enter
  EXPECT_EQ(form.frq, 150000000);

  open();
  QTest::keyClicks(form.AdvEdit1, "146,5");
  QTest::keyClick(form.AdvEdit1, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(form.frq, 0);
  EXPECT_EQ(form.AdvEdit1->text(), "146,5");
}

TEST_F(FrequencyDialog, NoRefusesAValidEntry) {
  open();
  QTest::keyClicks(form.AdvEdit1, "146,5");
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.frq, 0);
}

TEST_F(FrequencyDialog, ConvertsTheTextAsTheRadioTechnicianTypesIt) {
  const struct {
    const char* text;
    std::int64_t hz;
  } cases[] = {
      {"146,5", 146500000},      {"146,025", 146025000}, {"146,0255", 146025500}, {"146", 146000000},
      {"146,", 146000000},       {"146,123456", 146123456}, {",5", 500000},       {"", 0},
      {",", 0},                  {"1,1234567", 1123456},  {"9999999999", 9999999999000000},
      {",146000000", 146000},    {"4441", 4441000000},    {"0", 0},
  };
  for (const auto& c : cases) {
    open();
    form.AdvEdit1->setText(QString::fromLatin1(c.text));  // as if pasted
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible()) << c.text;
    EXPECT_EQ(form.frq, c.hz) << c.text;
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FrequencyDialog, PastedTextThatIsNoNumberIsReportedAndTheDialogStaysOpen) {
  for (const char* pasted : {"14a,5", "-146", "146,5.5", "146 ", "1e8"}) {
    prompts.messages.clear();
    open();
    form.AdvEdit1->setText(QString::fromLatin1(pasted));
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible()) << pasted;
    EXPECT_EQ(form.frq, 0) << pasted;
    ASSERT_EQ(prompts.messages.size(), 1u) << pasted;
    EXPECT_EQ(prompts.messages[0].caption, "Ошибка ввода");
    EXPECT_TRUE(prompts.messages[0].text.contains(QString::fromLatin1(pasted))) << pasted;
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
    form.AdvEdit1->setText("146,5");
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.frq, 146500000);
  }
}

TEST_F(FrequencyDialog, EveryOpeningStartsEmptyWithTheFocusInTheField) {
  for (int use = 0; use < 3; ++use) {
    open();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.AdvEdit1->text().isEmpty());
    EXPECT_TRUE(form.AdvEdit1->hasFocus());
    QTest::keyClicks(static_cast<QWidget*>(nullptr), "146,5");  // into whatever has the focus
    EXPECT_EQ(form.AdvEdit1->text(), "146,5");
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    EXPECT_EQ(form.frq, 146500000);
  }
}

TEST_F(FrequencyDialog, ClosedAnyOtherWayItHandsOverNothing) {
  open();
  QTest::keyClicks(form.AdvEdit1, "146,5");
  QTest::keyClick(form.AdvEdit1, Qt::Key_Return);
  ASSERT_EQ(form.frq, 146500000);
  open();
  form.close();  // a system shortcut, not one of the buttons
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.frq, 0);
  open();
  form.hide();
  EXPECT_EQ(form.frq, 0);
}

TEST_F(FrequencyDialog, IsASmallFixedWindowWithoutTitleBarButtons) {
  EXPECT_EQ(form.size(), QSize(161, 74));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
  EXPECT_EQ(form.AdvEdit1->maxLength(), 10);
  EXPECT_TRUE(form.AdvEdit1->font().bold());
  EXPECT_EQ(form.Button1->text(), "Да");
  EXPECT_EQ(form.Button2->text(), "Нет");
  EXPECT_EQ(form.AdvEdit1->nextInFocusChain(), form.Button1);
  EXPECT_EQ(form.Button1->nextInFocusChain(), form.Button2);
}

}  // namespace
}  // namespace tirel
