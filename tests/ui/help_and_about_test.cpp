// Help and the about box.
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "ui/help_window.h"
#include "ui/o_progr.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

using HelpAndAbout = WindowTest;

TEST_F(HelpAndAbout, HelpFromTheWorkingFolderOpensAtItsContents) {
  ASSERT_TRUE(write_file(path("Tirel12.html"),
                         QString::fromUtf8("<html><head><title>Справка</title></head><body>"
                                           "<h1 id=\"contents\">Содержание</h1><p>Чтение радиостанции</p></body></html>")
                             .toUtf8()));
  TForm1& w = open_window();
  w.N20Click();
  auto* help = w.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->browser()->toPlainText().contains(QString::fromUtf8("Чтение радиостанции")));
  EXPECT_TRUE(prompter.messages.empty());
  help->close();
}

TEST_F(HelpAndAbout, F1OpensHelpToo) {
  ASSERT_TRUE(write_file(path("Tirel12.html"), "<html><body><h1 id=\"contents\">x</h1></body></html>"));
  TForm1& w = open_window();
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_F1);
  auto* help = w.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  help->close();
}

TEST_F(HelpAndAbout, MissingHelpSaysWhereItWasLookedFor) {
  TForm1& w = open_window();
  w.N20Click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Справка"));
  EXPECT_TRUE(prompter.messages[0].text.contains(QDir::toNativeSeparators(path("Tirel12.html"))));
  const auto* help = w.findChild<HelpWindow*>();
  EXPECT_TRUE(!help || !help->isVisible());
}

TEST_F(HelpAndAbout, AboutBoxShowsProgramAndVersionAndClosesOnEscape) {
  TForm1& w = open_window();
  w.create_dialogs();
  ASSERT_NE(w.Form11, nullptr);
  EXPECT_EQ(w.Form11->windowTitle(), QString::fromUtf8("О программе"));
  EXPECT_EQ(w.Form11->size(), QSize(328, 169));
  QString program, version;
  bool closed_by_escape = false;
  QTimer::singleShot(50, [&] {
    program = w.Form11->Label1->text();
    version = w.Form11->Label2->text();
    w.Form11->Button1->setFocus();
    QTest::keyClick(w.Form11->Button1, Qt::Key_Escape);
    closed_by_escape = !w.Form11->isVisible();
    if (!closed_by_escape) w.Form11->reject();
  });
  w.N21Click();
  EXPECT_EQ(program, QString::fromUtf8("ПО Тирель-12"));
  EXPECT_EQ(version, QString::fromUtf8("Версия 1.1"));
  EXPECT_TRUE(closed_by_escape);
  EXPECT_TRUE(w.Form11->Label1->font().bold());
  EXPECT_EQ(w.Form11->Button1->text(), QString::fromUtf8("Закрыть"));
}

}  // namespace
}  // namespace tirel::test
