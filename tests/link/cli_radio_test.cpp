// tirel12-cli read and write against the simulated radio.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/wire.h"
#include "sim_radio.h"

namespace tirel {
namespace {

using test::SimRadio;

struct CliRun {
  int code;
  QString out, err;
};

CliRun cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(TIREL_CLI), args);
  EXPECT_TRUE(p.waitForFinished(30000));
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CliRadio, ReadSavesWhatAFreshProgramHoldsAfterTheReadAndWriteSendsItBack) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(4, 11);
  radio[layout::kTimeoutTimer] = 0;
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  const QString out = dir.filePath("read.t12");

  CliRun r = cli({"read", "--port", sim.path(), "-o", out});
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("100%"));
  EXPECT_EQ(r.out.trimmed(), QStringLiteral("Чтение данных успешно завершено."));
  Blok expected = new_blok(1);
  std::vector<int> taken{65, 66, 124};
  for (int rec = 1; rec <= 32; ++rec) taken.push_back(rec);
  for (int rec : taken)
    std::copy_n(radio.begin() + record_offset(rec), kRecordSize, expected.begin() + record_offset(rec));
  const QByteArray saved = file_bytes(out);
  ASSERT_EQ(saved.size(), kBlokSize);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(expected.data()), kBlokSize), saved);

  CliRun w = cli({"write", "--port", sim.path(), out});
  ASSERT_EQ(w.code, 0) << w.err.toStdString();
  EXPECT_EQ(w.out.trimmed(), QStringLiteral("Запись данных успешно завершена."));
  const auto recs = sim.records();
  ASSERT_EQ(recs.size(), 56u);
  EXPECT_EQ(recs[32][11], 0xFF) << "the timer byte goes back as the radio's off";
}

TEST(CliRadio, FailuresSayTheProgramsMessageAndLeaveTheFileAlone) {
  QTemporaryDir dir;
  const QString out = dir.filePath("read.t12");
  {
    SimRadio sim({"--fault", "vanish=50"});
    CliRun r = cli({"read", "--port", sim.path(), "-o", out});
    EXPECT_EQ(r.code, 1);
    // Into a file the bar is one line of how far it got (4 whole records of 57), no carriage returns.
    EXPECT_EQ(r.err, QStringLiteral("Чтение данных из радиостанции : 7%\n"
                                    "tirel12-cli: Данные не считаны. Проверьте включена ли радиостанция и подключение "
                                    "кабеля программатора. Кабель программатора отключился во время обмена. Порт: ") +
                         sim.path() + "\n");
    EXPECT_FALSE(QFile::exists(out));
  }
  const QString blok3 = SimRadio::memory_file(dir, new_blok(3));
  {
    SimRadio sim({"--band", "1"});
    CliRun w = cli({"write", "--port", sim.path(), blok3});
    EXPECT_EQ(w.code, 1);
    EXPECT_EQ(w.err, QStringLiteral("tirel12-cli: Данная радиостанция не соответствует выбранному диапазону частот: "
                                    "в файле — 438МГц - 470МГц (Р39), в радиостанции — 146МГц - 174МГц (Р17). Порт: ") +
                         sim.path() + "\n");
    EXPECT_TRUE(sim.records().empty());
  }
  {
    CliRun w = cli({"write", "--port", dir.filePath("no-such-tty"), blok3});
    EXPECT_EQ(w.code, 1);
    EXPECT_EQ(w.err, QStringLiteral("tirel12-cli: Не удаётся открыть порт «") + dir.filePath("no-such-tty") +
                         QStringLiteral("». Возможно, порт занят другим приложением или отключён аппаратно.\n"));
    CliRun u = cli({"read", "-o", out});
    EXPECT_EQ(u.code, 2);
  }
}

}  // namespace
}  // namespace tirel
