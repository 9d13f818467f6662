// Closing the window: the save question only for a modified set, and config.ini written back.
#include <QDir>
#include <QFileInfo>

#include "blok/default_blok.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

class Closing : public WindowTest {
 protected:
  int save_questions() const {
    int n = 0;
    for (const AskedMessage& m : prompter.messages)
      if (m.text == QString::fromUtf8("Параметры были изменены. Сохранить файл параметров?")) ++n;
    return n;
  }
};

TEST_F(Closing, UnmodifiedSetClosesWithoutAQuestion) {
  TForm1& w = open_window();
  w.N10Click();
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(prompter.save_dialogs, 0);
}

TEST_F(Closing, ModifiedSetAsksOnceAndNoClosesWithoutSaving) {
  TForm1& w = open_window();
  w.set_current_file_name(path("Save/a.t12"));
  w.set_modified(true);
  prompter.answers = {QMessageBox::No};
  w.close();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Внимание"));
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Question);
  EXPECT_EQ(prompter.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_FALSE(QFileInfo::exists(path("Save/a.t12")));
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Closing, YesSavesToTheCurrentFile) {
  TForm1& w = open_window();
  w.set_current_file_name(path("Save/a.t12"));
  w.blok()[779] = 0x27;
  w.set_modified(true);
  prompter.answers = {QMessageBox::Yes};
  w.close();
  EXPECT_EQ(save_questions(), 1);
  EXPECT_EQ(read_file(path("Save/a.t12")), blok_bytes(w.blok()));
}

TEST_F(Closing, YesWithoutANameAndACancelledDialogClosesWithoutSaving) {
  TForm1& w = open_window();
  w.set_modified(true);
  prompter.answers = {QMessageBox::Yes};
  w.close();
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_EQ(save_questions(), 1);
  EXPECT_TRUE(QDir(path("Save")).entryList(QDir::Files).isEmpty());
}

// A save that fails while closing would lose the changes without the user deciding so:
// the question comes again and Yes offers another place.
TEST_F(Closing, FailedSaveOnCloseAsksAgainAndOffersAnotherPlace) {
  TForm1& w = open_window();
  QDir().mkdir(path("Save/folder.t12"));
  w.set_current_file_name(path("Save/folder.t12"));
  w.blok()[779] = 0x27;
  w.set_modified(true);
  prompter.answers = {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes};
  prompter.save_names = {path("Save/rescued.t12")};
  w.close();
  EXPECT_EQ(save_questions(), 2);
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_EQ(read_file(path("Save/rescued.t12")), blok_bytes(w.blok()));
}

TEST_F(Closing, FailedSaveOnCloseAnsweredNoClosesAnyway) {
  TForm1& w = open_window();
  QDir().mkdir(path("Save/folder.t12"));
  w.set_current_file_name(path("Save/folder.t12"));
  w.set_modified(true);
  prompter.answers = {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No};
  w.close();
  EXPECT_EQ(save_questions(), 2);
  EXPECT_EQ(prompter.save_dialogs, 0);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Closing, PositionAndProgrammerComeBackOnTheNextStart) {
  TForm1& w = open_window();
  w.move(200, 150);
  w.programmer_mode = 0;
  w.port_index = 2;
  w.close();
  window.reset();
  TForm1& again = open_window();
  EXPECT_EQ(again.pos(), QPoint(200, 150));
  EXPECT_EQ(again.programmer_mode, 0);
  EXPECT_EQ(again.port_index, 2);
}

TEST_F(Closing, ConfigKeepsTheUsersOwnLines) {
  const QByteArray mine = QByteArray("; my notes\r\n[Ports]\r\nCOM1=/dev/ttyUSB0\r\n") +
                          QByteArray::fromHex("5bcee1f9e8e55d0d0a") + "Extra=7\r\n" +
                          QByteArray::fromHex("d53d3330300d0a");  // Х=300
  ASSERT_TRUE(write_file(path("config.ini"), mine));
  TForm1& w = open_window();
  EXPECT_EQ(w.x(), 300);
  w.move(40, 50);
  w.close();
  const QByteArray after = read_file(path("config.ini"));
  EXPECT_TRUE(after.startsWith("; my notes\r\n[Ports]\r\nCOM1=/dev/ttyUSB0\r\n")) << after.toStdString();
  EXPECT_TRUE(after.contains("Extra=7\r\n"));
  EXPECT_TRUE(after.contains(QByteArray::fromHex("d53d34300d0a")));  // Х=40
  EXPECT_TRUE(after.contains(QByteArray::fromHex("d33d35300d0a")));  // У=50
  EXPECT_FALSE(after.contains(QByteArray::fromHex("d53d333030")));
}

TEST_F(Closing, ConfigThatCannotBeCreatedIsReportedOnceAndTheProgramRuns) {
  QDir().mkdir(path("config.ini"));  // a folder where the file should be
  TForm1& w = open_window();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("config.ini")));
  EXPECT_EQ(w.pos(), QPoint(10, 10));
  EXPECT_EQ(w.blok(), new_blok(1));
  w.close();
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Closing, ConfigThatCannotBeWrittenAtCloseIsReportedOnce) {
  TForm1& w = open_window();
  ASSERT_TRUE(QFile::remove(path("config.ini")));
  QDir().mkdir(path("config.ini"));
  w.close();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("config.ini")));
  w.close();
  EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace tirel::test
