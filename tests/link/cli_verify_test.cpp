// tirel12-cli verify and write --verify against the simulated radio.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "sim_radio.h"

namespace tirel {
namespace {

using test::SimRadio;

struct CliResult {
  int code;
  QString out, err;
};

CliResult cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(TIREL_CLI), args);
  EXPECT_TRUE(p.waitForFinished(60000));
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString save(const QTemporaryDir& dir, const QString& name, const Blok& b) {
  QFile f(dir.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(b.data()), kBlokSize);
  return f.fileName();
}

TEST(CliVerify, SaysWhetherTheRadioHoldsTheFileAndNamesWhatDiffers) {
  QTemporaryDir dir;
  const Blok set = test::patterned_blok(1, 8);
  SimRadio sim({"--memory", SimRadio::memory_file(dir, set)});

  CliResult same = cli({"verify", "--port", sim.path(), save(dir, "set.t12", set)});
  EXPECT_EQ(same.code, 0) << same.err.toStdString();
  EXPECT_EQ(same.out.trimmed(), QStringLiteral("Радиостанция соответствует набору параметров."));

  Blok other = set;
  other[layout::freq_low(12, Dir::tx)] ^= 0x01;
  CliResult differs = cli({"verify", "--port", sim.path(), save(dir, "other.t12", other)});
  EXPECT_EQ(differs.code, 1);
  const QStringList lines = differs.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2) << differs.out.toStdString();
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Радиостанция не соответствует набору параметров")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Канал 12: частота ПРД "))) << lines[1].toStdString();
  EXPECT_TRUE(sim.records().empty()) << "a check writes nothing";
}

TEST(CliVerify, UnreadableRadioOrWrongWordsAreNotAVerdict) {
  QTemporaryDir dir;
  const QString file = save(dir, "set.t12", test::patterned_blok(1, 1));
  SimRadio sim({"--fault", "silent"});
  CliResult silent = cli({"verify", "--port", sim.path(), file});
  EXPECT_EQ(silent.code, 1);
  EXPECT_TRUE(silent.out.isEmpty());
  EXPECT_TRUE(silent.err.endsWith(QStringLiteral("Данные не считаны. Проверьте включена ли радиостанция и подключение "
                                                 "кабеля программатора. Радиостанция не ответила. Порт: ") +
                                  sim.path() + "\n"))
      << silent.err.toStdString();
  EXPECT_EQ(cli({"verify", file}).code, 2);
  EXPECT_EQ(cli({"verify", "--port", sim.path()}).code, 2);
}

TEST(CliWriteVerify, ReadsBackAfterTheWriteAndFailsWhenTheRadioTookARecordWrongly) {
  QTemporaryDir dir;
  const QString file = save(dir, "set.t12", test::patterned_blok(1, 4));
  {
    SimRadio sim({"--default-band", "1"});
    CliResult w = cli({"write", "--verify", "--port", sim.path(), file});
    EXPECT_EQ(w.code, 0) << w.err.toStdString();
    EXPECT_EQ(w.out.trimmed(), QStringLiteral("Запись данных успешно завершена.\n"
                                              "Радиостанция соответствует набору параметров."));
    EXPECT_EQ(sim.log_of("cmd rEAD").size(), 1u);
  }
  {
    // Record 23 is the first of channel 12's records.
    SimRadio sim({"--default-band", "1", "--corrupt-record", "23"});
    CliResult w = cli({"write", "--port", sim.path(), file, "--verify"});
    EXPECT_EQ(w.code, 1);
    EXPECT_TRUE(w.out.contains(QStringLiteral("\nКанал 12: частота ПРМ "))) << w.out.toStdString();
    EXPECT_FALSE(w.out.contains(QStringLiteral("Канал 11:")));
  }
}

TEST(CliWriteVerify, ARecordOfTheRadiosFixedTableTakenWronglyFailsTheCheckByRecordAndByte) {
  QTemporaryDir dir;
  // Record 70's first data byte is 70 * 7 + 4 = 494, 0xEE; the radio keeps 0xEF.
  const QString file = save(dir, "set.t12", test::patterned_blok(1, 4));
  SimRadio sim({"--default-band", "1", "--corrupt-record", "70"});
  CliResult w = cli({"write", "--verify", "--port", sim.path(), file});
  EXPECT_EQ(w.code, 1) << w.err.toStdString();
  EXPECT_EQ(w.out, QStringLiteral("Запись данных успешно завершена.\n"
                                  "Радиостанция не соответствует набору параметров (в наборе → в радиостанции):\n"
                                  "Запись 70 (адрес 0228), байт данных 0: 0xEE → 0xEF\n"
                                  "Записи 69–88 — постоянная таблица радиостанции: окно её не показывает, а запись "
                                  "передаёт её из набора без изменений. Запишите набор в радиостанцию ещё раз и "
                                  "повторите сверку; если различие останется, радиостанцию нужно проверить.\n"));
}

TEST(CliVerify, ARadioOfAnotherBandOrAnUnsupportedModelDoesNotMatch) {
  QTemporaryDir dir;
  const Blok set = test::patterned_blok(3, 2);
  const QString file = save(dir, "set.t12", set);
  const QString memory = SimRadio::memory_file(dir, set);
  const QString heading = QStringLiteral("Радиостанция не соответствует набору параметров (в наборе → в радиостанции):\n");
  {
    SimRadio sim({"--memory", memory, "--band", "1"});
    CliResult r = cli({"verify", "--port", sim.path(), file});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, heading + QStringLiteral("Данная радиостанция не соответствует выбранному диапазону частот: "
                                              "438МГц - 470МГц (Р39) → 146МГц - 174МГц (Р17)\n"));
  }
  {
    SimRadio sim({"--memory", memory, "--model", "3"});
    CliResult r = cli({"verify", "--port", sim.path(), file});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, heading + QStringLiteral("Данная радиостанция не поддерживается ПО Тирель-12. Код модели: 3.\n"));
  }
}

}  // namespace
}  // namespace tirel
