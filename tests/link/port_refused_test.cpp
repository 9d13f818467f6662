// A port the system will not let this user open: the window's warning and tirel12-cli name the
// device and the cure. Only an ordinary user can be refused (root opens any device), so ctest
// runs these through as_ordinary_user.sh; run directly as root they are skipped.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>

#include "scripted_prompter.h"
#include "sim_radio.h"
#include "ui/radio_link.h"

namespace tirel {
namespace {

using test::SimRadio;

// The simulator's terminal with no access for anyone but root.
struct RefusedRadio {
  SimRadio sim;
  QString terminal = QFileInfo(sim.path()).canonicalFilePath();
  RefusedRadio() { EXPECT_EQ(::chmod(terminal.toLocal8Bit().constData(), 0), 0); }
  ~RefusedRadio() { ::chmod(terminal.toLocal8Bit().constData(), 0600); }
};

#define SKIP_AS_ROOT() \
  if (::geteuid() == 0) GTEST_SKIP() << "root may open any device; ctest runs this as an ordinary user"

TEST(PortRefused, WindowWarningKeepsItsTextAndNamesTheDeviceAndTheCure) {
  SKIP_AS_ROOT();
  RefusedRadio radio;
  test::ScriptedPrompter prompts;
  QMainWindow main;
  std::int32_t mode = 1, index = 0;
  std::uint8_t stop = 0;
  RadioLink link(&main, mode, index, stop);
  link.resolve_port = [&](int) { return radio.sim.path(); };
  EXPECT_FALSE(link.write(Blok{}));
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Предупреждение"));
  EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(prompts.messages[0].text,
            QStringLiteral("Не удается открыть порт COM1.\rНет доступа к ") + radio.sim.path() +
                QStringLiteral(": добавьте пользователя в группу dialout и войдите в систему заново.\r"
                               "Возможно, порт занят другим приложением или отключен аппаратно.\r"
                               "Выбрать другой COM-порт?"));
}

TEST(PortRefused, BusyOrMissingPortKeepsTheUsualWarning) {
  SKIP_AS_ROOT();
  test::ScriptedPrompter prompts;
  QMainWindow main;
  std::int32_t mode = 1, index = 1;
  std::uint8_t stop = 0;
  RadioLink link(&main, mode, index, stop);
  link.resolve_port = [](int) { return QStringLiteral("/dev/tirel-missing-2"); };
  EXPECT_FALSE(link.write(Blok{}));
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Не удается открыть порт COM2.\r"
                                                     "Возможно, порт занят другим приложением или отключен аппаратно.\r"
                                                     "Выбрать другой COM-порт?"));
}

TEST(PortRefused, CliSaysTheSameOnStderr) {
  SKIP_AS_ROOT();
  RefusedRadio radio;
  QTemporaryDir dir;
  QProcess p;
  p.start(QStringLiteral(TIREL_CLI), {"read", "--port", radio.sim.path(), "-o", dir.filePath("r.t12")});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_NE(p.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
            QStringLiteral("tirel12-cli: Нет доступа к ") + radio.sim.path() +
                QStringLiteral(": добавьте пользователя в группу dialout и войдите в систему заново.\n"));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("r.t12")));
}

}  // namespace
}  // namespace tirel
