// The programmer selection dialog.
#include <gtest/gtest.h>

#include <QTest>

#include "link/programmers.h"

namespace {

struct Fields {
  std::int32_t mode = 1;
  std::int32_t index = 0;
};

// Clicks an item on its round indicator, where the user aims.
void click(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2)); }

void show(TForm2& d, Fields& f) {
  d.bind(&f.mode, &f.index);
  d.show();
  QCoreApplication::processEvents();
}

TEST(ProgrammerDialog, LayoutAndTextsAsTheUserKnowsThem) {
  TForm2 d;
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Выбор программатора"));
  EXPECT_EQ(d.size(), QSize(309, 191));
  EXPECT_EQ(d.RadioGroup1->geometry(), QRect(8, 8, 293, 57));
  EXPECT_EQ(d.RadioGroup2->geometry(), QRect(8, 72, 293, 82));
  EXPECT_EQ(d.Button1->geometry(), QRect(16, 160, 75, 25));
  EXPECT_EQ(d.Button2->geometry(), QRect(217, 160, 75, 25));
  EXPECT_EQ(d.Button1->text(), QStringLiteral("Да"));
  EXPECT_EQ(d.Button2->text(), QStringLiteral("Нет"));
  EXPECT_EQ(d.RadioGroup1->title(), QStringLiteral(" Выбор типа программатора "));
  EXPECT_EQ(d.type_items[0]->text(), QStringLiteral("USB-программатор"));
  // С, О, М are Cyrillic in the frame and the COM item; the port items are Latin.
  EXPECT_EQ(d.type_items[1]->text(), QString::fromUtf8("\xD0\xA1\xD0\x9E\xD0\x9C- программатор"));
  EXPECT_EQ(d.RadioGroup2->title(), QString::fromUtf8(" Выбор \xD0\xA1\xD0\x9E\xD0\x9C-порта "));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.port_items[static_cast<std::size_t>(i)]->text(), QString("COM %1").arg(i + 1));
  // Two columns filled top to bottom.
  EXPECT_LT(d.port_items[0]->x(), d.port_items[2]->x());
  EXPECT_EQ(d.port_items[0]->x(), d.port_items[1]->x());
  EXPECT_LT(d.port_items[0]->y(), d.port_items[1]->y());
  EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(ProgrammerDialog, UsbProgrammerSpringsBackToTheComProgrammer) {
  TForm2 d;
  Fields f{0, 1};
  show(d, f);
  EXPECT_EQ(d.type_index(), 1) << "opened with the USB programmer in force";
  click(d.type_items[0]);
  EXPECT_EQ(d.type_index(), 1);
  EXPECT_TRUE(d.RadioGroup2->isEnabled());
  d.Button2Click();
  EXPECT_EQ(f.mode, 0) << "leaving with Нет changes nothing";
}

TEST(ProgrammerDialog, ConfirmedChoiceIsTakenOtherClosesChangeNothing) {
  TForm2 d;
  Fields f{1, 0};
  show(d, f);
  click(d.port_items[2]);
  QTest::mouseClick(d.Button1, Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(f.index, 2);
  EXPECT_EQ(f.mode, 1);

  show(d, f);
  EXPECT_EQ(d.confirmed, 0) << "cleared on every show";
  click(d.port_items[0]);
  QTest::mouseClick(d.Button2, Qt::LeftButton);
  EXPECT_EQ(f.index, 2);

  show(d, f);
  click(d.port_items[3]);
  d.close();  // the close box
  EXPECT_EQ(f.index, 2);

  show(d, f);
  click(d.port_items[1]);
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_EQ(f.index, 2);
}

TEST(ProgrammerDialog, PortIndexOutsideTheListIsClamped) {
  TForm2 d;
  Fields f{1, 7};
  show(d, f);
  EXPECT_EQ(d.port_item_index(), 3) << "COM 4 shown for index 7";
  d.Button2Click();
  EXPECT_EQ(f.index, 7);
  show(d, f);
  d.Button1Click();
  EXPECT_EQ(f.index, 3);

  f.index = -5;
  show(d, f);
  EXPECT_EQ(d.port_item_index(), -1) << "nothing selected";
  d.Button2Click();
  f.index = 1;
  show(d, f);
  EXPECT_EQ(d.port_item_index(), 1) << "the selection follows the index again";
  d.Button2Click();
}

}  // namespace
