// The window's radio check and the backups every read and write leaves, against the simulated radio.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/texts.h"
#include "link/verify.h"
#include "scripted_prompter.h"
#include "sim_radio.h"
#include "ui/main_window.h"
#include "window_on_sim.h"

namespace tirel {
namespace {

using test::ScriptedPrompter;
using test::SimRadio;

// The window on the simulated radio, with its backup folder at hand.
struct Station : test::WindowOnSim {
  using WindowOnSim::WindowOnSim;
  QStringList backups(const QString& pattern) const {
    return QDir(window->backup_folder()).entryList({pattern}, QDir::Files, QDir::Name);
  }
  QByteArray backup(const QString& name) const {
    QFile f(window->backup_folder() + "/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

QByteArray bytes(const Blok& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), kBlokSize); }

TEST(WindowCheck, AfterACleanWriteTheRadioMatchesAndTheCheckChangesNothing) {
  SimRadio sim({"--default-band", "1"});
  ScriptedPrompter prompts;
  Station s(sim.path());
  TForm1& w = *s.window;
  w.blok() = test::patterned_blok(1, 5);
  w.print_wind_blok();
  w.N13Click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  ASSERT_EQ(prompts.messages[0].caption, QStringLiteral("Запись"));

  const Blok before = w.blok();
  w.VerifyClick();
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].caption, QString::fromUtf8(link_text::kVerifyCaption));
  EXPECT_EQ(prompts.messages[1].text, QStringLiteral("Радиостанция соответствует набору параметров."));
  EXPECT_EQ(prompts.messages[1].icon, QMessageBox::Information);
  EXPECT_EQ(sim.log_of("cmd rEAD").size(), 1u);
  EXPECT_EQ(w.blok(), before);
  EXPECT_FALSE(w.modified());
  EXPECT_TRUE(w.isEnabled());
  EXPECT_TRUE(s.backups("*_read*.t12").isEmpty()) << "a check is not a read of the set";
}

TEST(WindowCheck, ARecordTheRadioTookWronglyIsNamedByItsChannelOrByRecordAndByte) {
  struct Case {
    const char* record;
    QStringList lines;
  } cases[] = {
      // Record 9 is the first of channel 5's two records.
      {"9", {QString::fromUtf8(link_text::kVerifyDiffers), QStringLiteral("Канал 5: частота ПРМ ")}},
      // Record 75 is in the fixed table; its first data byte is 75 * 7 + 5 = 530, 0x12, and the radio keeps 0x13.
      {"75",
       {QString::fromUtf8(link_text::kVerifyDiffers), QStringLiteral("Запись 75 (адрес 0250), байт данных 0: 0x12 → 0x13"),
        QStringLiteral("Записи 69–88 — постоянная таблица радиостанции")}},
  };
  for (const Case& c : cases) {
    SimRadio sim({"--default-band", "1", "--corrupt-record", c.record});
    ScriptedPrompter prompts;
    Station s(sim.path());
    TForm1& w = *s.window;
    w.blok() = test::patterned_blok(1, 5);
    w.print_wind_blok();
    w.N13Click();
    w.VerifyClick();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].icon, QMessageBox::Warning);
    const QStringList lines = prompts.messages[1].text.split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), c.lines.size()) << prompts.messages[1].text.toStdString();
    for (qsizetype i = 0; i < lines.size(); ++i)
      EXPECT_TRUE(lines[i].startsWith(c.lines[i])) << "record " << c.record << ": " << lines[i].toStdString();
  }
}

TEST(WindowCheck, ARadioThatDoesNotAnswerIsAFailedReadAndNoVerdict) {
  SimRadio sim({"--fault", "silent"});
  ScriptedPrompter prompts;
  Station s(sim.path());
  s.window->VerifyClick();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Ошибка чтения данных"));
  EXPECT_TRUE(s.window->isEnabled());
}

TEST(WindowBackups, EveryReadAndWriteLeavesACopyOfTheSet) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(1, 2);
  radio[layout::kTimeoutTimer] = 0;
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  ScriptedPrompter prompts;
  Station s(sim.path());
  TForm1& w = *s.window;

  w.N12Click();
  const QStringList reads = s.backups("*_read*.t12");
  ASSERT_EQ(reads.size(), 1);
  EXPECT_EQ(s.backup(reads[0]), bytes(w.blok())) << "the copy is the set the read left in the window";
  EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_read(_\\d+)?\\.t12$")
                  .match(reads[0])
                  .hasMatch())
      << reads[0].toStdString();

  w.blok()[layout::kTimeoutTimer] = 0x02;
  w.N13Click();
  w.N13Click();
  const QStringList writes = s.backups("*_write*.t12");
  ASSERT_EQ(writes.size(), 2) << "a second write in the same second keeps the first copy";
  for (const QString& name : writes) EXPECT_EQ(s.backup(name), bytes(w.blok()));
  EXPECT_EQ(prompts.messages.size(), 3u) << "backups that work say nothing";
}

TEST(WindowBackups, TheReadCopyIsOnDiskWhileTheSuccessMessageIsShown) {
  SimRadio sim({"--default-band", "2"});
  ScriptedPrompter prompts;
  Station s(sim.path());
  QStringList on_disk;
  QByteArray copy;
  prompts.while_shown = [&](const test::AskedMessage& m) {
    if (m.caption != QStringLiteral("Чтение")) return;
    on_disk = s.backups("*_read*.t12");
    if (!on_disk.isEmpty()) copy = s.backup(on_disk[0]);
  };
  s.window->N12Click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Чтение данных успешно завершено."));
  ASSERT_EQ(on_disk.size(), 1) << "the copy is written before the user is told the read worked";
  EXPECT_EQ(copy, bytes(s.window->blok()));
}

TEST(WindowBackups, TheWriteCopyIsTakenBeforeAnythingIsSent) {
  SimRadio sim({"--fault", "silent"});
  ScriptedPrompter prompts;
  Station s(sim.path());
  s.window->N13Click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Ошибка записи данных"));
  EXPECT_EQ(s.backups("*_write.t12").size(), 1);
  EXPECT_TRUE(s.backups("*_read*.t12").isEmpty()) << "a failed read copies nothing";
}

TEST(WindowBackups, ABackupFolderThatCannotBeMadeIsToldOnceAndStopsNothing) {
  SimRadio sim({"--default-band", "1"});
  ScriptedPrompter prompts;
  Station s(sim.path());
  TForm1& w = *s.window;
  // A plain file where the folder should be: no one, root included, can make the folder.
  QFile blocker(w.backup_folder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.write("x");
  blocker.close();

  w.N12Click();
  ASSERT_EQ(prompts.messages.size(), 2u);
  // The copy is attempted before the success is told, so its failure comes first.
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Не удалось сохранить резервную копию")));
  EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(w.backup_folder())));
  EXPECT_EQ(prompts.messages[1].text, QStringLiteral("Чтение данных успешно завершено."));

  w.blok()[layout::kTimeoutTimer] = 0x04;
  w.N13Click();
  w.N12Click();
  ASSERT_EQ(prompts.messages.size(), 4u) << "told once a run";
  EXPECT_EQ(prompts.messages[2].text, QStringLiteral("Запись данных успешно завершена."));
  EXPECT_EQ(prompts.messages[3].text, QStringLiteral("Чтение данных успешно завершено."));
  EXPECT_EQ(sim.records().size(), 56u);
  EXPECT_EQ(w.blok()[layout::kTimeoutTimer], 0x04) << "the read brought back what was written";
}

}  // namespace
}  // namespace tirel
