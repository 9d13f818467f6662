// A file named on the command line: a second copy hands it to the running one and ends
// quietly; the running copy started with a file listens for more.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/file_handover.h"
#include "runtime_folder.h"

namespace tirel {
namespace {

class FileHandover : public ::testing::Test {
 protected:
  void start(QProcess& program, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(TIREL12_PROGRAM), args);
    ASSERT_TRUE(program.waitForStarted(5000));
  }

  test::RuntimeFolder runtime;
  QTemporaryDir work;
};

TEST_F(FileHandover, TheFileArgumentIsTheFirstThatIsNoOptionMadeAbsolute) {
  EXPECT_EQ(file_argument({QStringLiteral("tirel12")}), QString());
  EXPECT_EQ(file_argument({QStringLiteral("tirel12"), QStringLiteral("--x"), QStringLiteral("/a/b c.t12")}),
            QStringLiteral("/a/b c.t12"));
  EXPECT_EQ(file_argument({QStringLiteral("tirel12"), QStringLiteral("set.t12")}),
            QDir::current().absoluteFilePath(QStringLiteral("set.t12")));
  EXPECT_TRUE(handover_socket().startsWith(runtime.path() + QStringLiteral("/tirel12-")));
}

TEST_F(FileHandover, ASecondCopyWithAFileHandsItToTheRunningOneAndEndsQuietly) {
  SingleInstance running;
  ASSERT_TRUE(running.acquire());
  QStringList received;
  FileReceiver receiver(handover_socket(), [&](const QString& f) { received << f; });
  ASSERT_TRUE(receiver.listening());

  QProcess second;
  start(second, {QString::fromUtf8("набор 1.t12")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(received, QStringList{work.filePath(QString::fromUtf8("набор 1.t12"))});
  EXPECT_FALSE(QFileInfo::exists(work.filePath(QStringLiteral("config.ini"))));  // it built no window
}

TEST_F(FileHandover, NoRunningCopyTakesNothing) {
  EXPECT_FALSE(hand_over_file(handover_socket(), QStringLiteral("/x.t12"), 300));
}

TEST_F(FileHandover, AProgramStartedWithAFileListensForTheNextOne) {
  QProcess program;
  start(program, {QStringLiteral("first.t12")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(work.filePath("config.ini")); }, 10000));
  EXPECT_TRUE(hand_over_file(handover_socket(), work.filePath(QStringLiteral("second.t12"))));
  EXPECT_EQ(program.state(), QProcess::Running);
  program.kill();
  program.waitForFinished(5000);
}

}  // namespace
}  // namespace tirel
