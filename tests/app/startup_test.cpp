// Program start: one copy only, a fixed disk only, and what a refused start leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/startup.h"
#include "runtime_folder.h"
#include "scripted_prompter.h"
#include "ui/main_window.h"

namespace tirel {
namespace {

using test::RuntimeFolder;

class Startup : public ::testing::Test {
 protected:
  StartupOptions options(DriveKind kind = DriveKind::fixed) {
    StartupOptions o;
    o.working_folder = work.path();
    o.classify = [kind, this](const std::filesystem::path& p) {
      asked_about = QString::fromStdString(p.string());
      return kind;
    };
    return o;
  }

  RuntimeFolder runtime;
  QTemporaryDir work;
  test::ScriptedPrompter prompter;
  QString asked_about;
};

TEST_F(Startup, FirstCopyInAnEmptyFolderGetsItsWindowAndFolders) {
  SingleInstance instance;
  auto window = start_program(instance, options());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(asked_about, work.path());
  EXPECT_TRUE(QDir(work.filePath("Save")).exists());
  EXPECT_TRUE(QFileInfo::exists(work.filePath("config.ini")));
  EXPECT_NE(window->Form11, nullptr);
  EXPECT_EQ(window->pos(), QPoint(10, 10));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(QCoreApplication::applicationName(), QString::fromUtf8("ПО Тирель-12"));
}

TEST_F(Startup, MessageBoxButtonsAndFileDialogsSpeakRussian) {
  const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
  const auto save = [] { return QCoreApplication::translate("QFileDialog", "File &name:"); };
  SingleInstance instance;
  auto window = start_program(instance, options());
  ASSERT_NE(window, nullptr);
  if (!use_russian_toolkit_texts()) GTEST_SKIP() << "Qt's Russian translations (qt6-translations-l10n) are not installed";
  EXPECT_EQ(yes().remove(QLatin1Char('&')), QString::fromUtf8("Да"));
  EXPECT_NE(save(), QStringLiteral("File &name:"));
}

TEST_F(Startup, FolderNotOnAFixedDiskIsRefusedAndNothingIsCreated) {
  for (DriveKind kind : {DriveKind::removable, DriveKind::network, DriveKind::optical, DriveKind::ram,
                         DriveKind::unknown}) {
    SingleInstance instance;
    prompter.messages.clear();
    auto window = start_program(instance, options(kind));
    EXPECT_EQ(window, nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("ОШИБКА ОТКРЫТИЯ ПРОГРАММЫ"));
    EXPECT_EQ(prompter.messages[0].text,
              QString::fromUtf8("Программа запущена со сменного носителя информации! Перенесите программу на "
                                "жесткий диск и запустите. "));
    EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  }
}

TEST_F(Startup, SecondClaimInOneProcessIsRefusedUntilTheFirstEnds) {
  auto first = std::make_unique<SingleInstance>();
  ASSERT_TRUE(first->acquire());
  SingleInstance second;
  EXPECT_FALSE(second.acquire());
  EXPECT_EQ(start_program(second, options()), nullptr);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, QString::fromUtf8("Программа уже запущена!"));
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Ошибка"));
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(asked_about.isEmpty());  // refused before anything else
  EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  first.reset();
  EXPECT_TRUE(second.acquire());
}

// A running program in another process refuses this start; once it has crashed (killed), its
// lock does not keep the program from starting again.
TEST_F(Startup, RunningProgramRefusesASecondCopyAndACrashedOneDoesNot) {
  QTemporaryDir other_work;
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(other_work.path());
  program.start(QStringLiteral(TIREL12_PROGRAM), {});
  ASSERT_TRUE(program.waitForStarted(5000));
  // The program's config.ini appears once its window exists, long after it took the lock.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(other_work.filePath("config.ini")); }, 10000));

  {
    SingleInstance instance;
    EXPECT_EQ(start_program(instance, options()), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QString::fromUtf8("Программа уже запущена!"));
  }
  EXPECT_EQ(program.state(), QProcess::Running);  // the first copy is unaffected

  program.kill();
  ASSERT_TRUE(program.waitForFinished(5000));
  SingleInstance instance;
  EXPECT_TRUE(instance.acquire());
}

}  // namespace
}  // namespace tirel
