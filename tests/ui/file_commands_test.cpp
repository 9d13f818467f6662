// New, open, save and save as: their questions, the file name, the modified flag, and failures
// that leave everything as it was.
#include <QDir>
#include <QFileInfo>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

class FileCommands : public WindowTest {
 protected:
  // A set on band `band` with one visible difference from the defaults.
  QString write_set(const QString& name, int band, std::uint8_t timeout = 0x21) {
    Blok b = new_blok(band);
    b[779] = timeout;
    const QString p = path(QStringLiteral("Save/") + name);
    EXPECT_TRUE(write_file(p, blok_bytes(b)));
    return p;
  }

  // Everything a failed command must leave alone.
  struct Snapshot {
    Blok blok;
    int band;
    BandLimits limits;
    QString file;
    bool modified;
    QString cell;
  };
  Snapshot snap() const {
    return {window->blok(), window->ComboBox1->currentIndex(), window->band_limits(), window->current_file_name(),
            window->modified(), window->StringGrid101->item(0, 1)->text()};
  }
  void expect_same(const Snapshot& a) const {
    const Snapshot b = snap();
    EXPECT_EQ(a.blok, b.blok);
    EXPECT_EQ(a.band, b.band);
    EXPECT_EQ(a.limits.lower, b.limits.lower);
    EXPECT_EQ(a.limits.upper, b.limits.upper);
    EXPECT_EQ(a.file, b.file);
    EXPECT_EQ(a.modified, b.modified);
    EXPECT_EQ(a.cell, b.cell);
  }
};

TEST_F(FileCommands, NewAsksAndOnYesRebuildsTheSelectedBandsDefaults) {
  TForm1& w = open_window();
  w.select_band(2);
  w.blok()[779] = 0x30;
  w.set_current_file_name(path("Save/a.t12"));
  w.set_modified(true);
  prompter.answers = {QMessageBox::No};
  w.N2Click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Новый файл"));
  EXPECT_EQ(prompter.messages[0].text,
            QString::fromUtf8("При создании нового файла, будет уничтожена информация\rпредыдущего файла. Продолжить?"));
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(w.blok()[779], 0x30);
  EXPECT_EQ(w.current_file_name(), path("Save/a.t12"));

  prompter.answers = {QMessageBox::Yes};
  w.N2Click();
  EXPECT_EQ(w.blok(), new_blok(2));
  EXPECT_TRUE(w.current_file_name().isEmpty());
  EXPECT_TRUE(w.modified());
  EXPECT_EQ(w.setting_list(201)->currentText(), QString::fromUtf8("60 секунд"));
}

TEST_F(FileCommands, OpenReadsTheSetSelectsItsBandAndKeepsTheFlag) {
  TForm1& w = open_window();
  const QString file = write_set(QStringLiteral("radio.t12"), 3);
  w.set_modified(true);
  prompter.open_names = {file};
  w.N3Click();
  EXPECT_EQ(prompter.open_dialogs, 1);
  EXPECT_EQ(prompter.last_dir, path("Save"));
  EXPECT_EQ(prompter.last_filter, QString::fromUtf8("Файлы Тирель-12 (*.t12)"));
  EXPECT_EQ(blok_bytes(w.blok()), read_file(file));
  EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
  EXPECT_EQ(w.band_limits().lower, 436000000);
  EXPECT_EQ(w.band_limits().upper, 472000000);
  EXPECT_EQ(w.current_file_name(), file);
  EXPECT_TRUE(w.modified());
  EXPECT_EQ(w.setting_list(201)->currentText(), QString::fromUtf8("210 секунд"));
  EXPECT_TRUE(prompter.messages.empty());  // no band question for a band chosen by the file
}

TEST_F(FileCommands, OpenCancelledKeepsTheSetButForgetsTheFileName) {
  TForm1& w = open_window();
  w.blok()[779] = 0x30;
  w.set_current_file_name(path("Save/a.t12"));
  const Blok before = w.blok();
  w.N3Click();  // no name scripted: Cancel
  EXPECT_EQ(w.blok(), before);
  EXPECT_TRUE(w.current_file_name().isEmpty());
  EXPECT_EQ(w.band_limits().lower, 136000000);  // frq_set ran for band 1
  prompter.save_names = {QString()};
  w.N5Click();
  EXPECT_EQ(prompter.save_dialogs, 1);
}

TEST_F(FileCommands, OpenWithAnUnknownBandCodeKeepsTheBandAndItsLimits) {
  TForm1& w = open_window();
  Blok b = new_blok(2);
  b[layout::kBandCode] = 9;
  const QString file = path("Save/odd.t12");
  ASSERT_TRUE(write_file(file, blok_bytes(b)));
  prompter.open_names = {file};
  w.N3Click();
  EXPECT_EQ(w.blok(), b);
  EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(w.band_limits().lower, 146000000);
  EXPECT_EQ(w.band_limits().upper, 174000000);
  EXPECT_EQ(w.current_file_name(), file);
}

TEST_F(FileCommands, FailedOpensChangeNothingAndNameTheCause) {
  TForm1& w = open_window();
  w.blok()[779] = 0x30;
  w.select_band(4);
  w.set_current_file_name(path("Save/a.t12"));
  w.set_modified(true);
  w.print_wind_blok();
  const QString short_file = path("Save/short.t12");
  ASSERT_TRUE(write_file(short_file, blok_bytes(new_blok(0)).left(1000)));
  QDir().mkdir(path("Save/folder.t12"));
  const QString names[] = {path("Save/missing.t12"), short_file, path("Save/folder.t12")};
  for (const QString& name : names) {
    const Snapshot before = snap();
    prompter.messages.clear();
    prompter.open_names = {name};
    w.N3Click();
    ASSERT_EQ(prompter.messages.size(), 1u) << name.toStdString();
    EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompter.messages[0].text.contains(QDir::toNativeSeparators(name)));
    expect_same(before);
  }
  EXPECT_TRUE(prompter.messages[0].text.size() > QDir::toNativeSeparators(names[2]).size() + 30);
}

TEST_F(FileCommands, SaveWithoutANameAsksForOneAndSaveAsSetsNameAndClearsFlag) {
  TForm1& w = open_window();
  w.blok()[779] = 0x30;
  w.set_modified(true);
  const QString file = path("Save/mine.t12");
  prompter.save_names = {file};
  EXPECT_EQ(w.N5Click(), TForm1::SaveOutcome::saved);
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_EQ(prompter.last_dir, path("Save"));
  EXPECT_EQ(prompter.last_filter, QString::fromUtf8("Файлы Тирель-12 (*.t12)"));
  EXPECT_EQ(prompter.last_suffix, QStringLiteral("t12"));
  EXPECT_EQ(read_file(file), blok_bytes(w.blok()));
  EXPECT_EQ(read_file(file).size(), 1536);
  EXPECT_EQ(w.current_file_name(), file);
  EXPECT_FALSE(w.modified());

  // With a name, Save writes straight away: no dialog, no question.
  w.blok()[779] = 0x09;
  w.set_modified(true);
  EXPECT_EQ(w.N5Click(), TForm1::SaveOutcome::saved);
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(static_cast<std::uint8_t>(read_file(file)[779]), 0x09);
  EXPECT_FALSE(w.modified());
}

TEST_F(FileCommands, SaveAsCancelledChangesNothing) {
  TForm1& w = open_window();
  w.set_current_file_name(path("Save/a.t12"));
  w.set_modified(true);
  prompter.save_names = {QString()};
  EXPECT_EQ(w.N6Click(), TForm1::SaveOutcome::cancelled);
  EXPECT_EQ(w.current_file_name(), path("Save/a.t12"));
  EXPECT_TRUE(w.modified());
  EXPECT_FALSE(QFileInfo::exists(path("Save/a.t12")));
}

TEST_F(FileCommands, FailedSavesKeepTheFlagTheNameAndTheOldFile) {
  TForm1& w = open_window();
  const QString good = write_set(QStringLiteral("good.t12"), 1, 0x12);
  const QByteArray old_bytes = read_file(good);
  QDir().mkdir(path("Save/folder.t12"));
  w.blok()[779] = 0x30;
  w.set_current_file_name(path("Save/folder.t12"));
  w.set_modified(true);
  Snapshot before = snap();
  EXPECT_EQ(w.N5Click(), TForm1::SaveOutcome::failed);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(prompter.messages[0].text.contains(QDir::toNativeSeparators(path("Save/folder.t12"))));
  expect_same(before);

  prompter.save_names = {path("no/such/folder/x.t12")};
  EXPECT_EQ(w.N6Click(), TForm1::SaveOutcome::failed);
  EXPECT_EQ(prompter.messages.size(), 2u);
  expect_same(before);
  EXPECT_EQ(read_file(good), old_bytes);
}

TEST_F(FileCommands, SavedSetOpensAgainByteForByte) {
  TForm1& w = open_window();
  prompter.answers = {QMessageBox::Yes};
  choose(w.ComboBox1, 5);
  w.blok()[774] = 0x07;
  prompter.save_names = {path("Save/round.t12")};
  ASSERT_EQ(w.N6Click(), TForm1::SaveOutcome::saved);
  const Blok saved = w.blok();
  prompter.answers = {QMessageBox::Yes};
  w.N2Click();
  w.select_band(0);
  prompter.open_names = {path("Save/round.t12")};
  w.N3Click();
  EXPECT_EQ(w.blok(), saved);
  EXPECT_EQ(w.ComboBox1->currentIndex(), 5);
  EXPECT_EQ(w.setting_list(210)->currentText(), QString::fromUtf8("7 канал"));
}

}  // namespace
}  // namespace tirel::test
