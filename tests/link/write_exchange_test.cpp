// The write against the simulated radio: what goes out, in which order, at what pace.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/exchanges.h"
#include "link/serial_port.h"
#include "recording_progress.h"
#include "sim_radio.h"

namespace tirel {
namespace {

using test::SimRadio;

struct WriteRun {
  ExchangeResult result;
  qint64 ms;
  test::RecordingProgress progress;
};

WriteRun run_write(const QString& device, const Blok& b) {
  WriteRun run{};
  SerialPort port;
  port.set_device(device);
  EXPECT_TRUE(port.open());
  LinkWaits waits;
  QElapsedTimer clock;
  clock.start();
  run.result = write_radio(port, waits, run.progress, b);
  run.ms = clock.elapsed();
  EXPECT_FALSE(port.is_open());
  return run;
}

std::vector<std::uint8_t> blok_record(const Blok& b, int r) {
  return {b.begin() + record_offset(r), b.begin() + record_offset(r) + kRecordSize};
}

TEST(WriteToRadio, SendsTheFiftySixRecordsInOrder100MsApartAndEndsOnOK) {
  Blok b = test::patterned_blok(1, 17);
  b[layout::kTimeoutTimer] = 0;
  const Blok before = b;
  SimRadio sim({"--band", "1", "--model", "2"});

  WriteRun run = run_write(sim.path(), b);
  ASSERT_EQ(run.result, ExchangeResult::ok);
  EXPECT_EQ(b, before) << "the write leaves the blok alone";
  EXPECT_GE(run.ms, 5600);
  EXPECT_LT(run.ms, 8000) << "no wait beyond the pauses between records";

  const auto recs = sim.records();
  ASSERT_EQ(recs.size(), 56u);
  std::vector<int> order;
  for (int r = 1; r <= 32; ++r) order.push_back(r);
  order.insert(order.end(), {65, 66});
  for (int r = 69; r <= 88; ++r) order.push_back(r);
  order.insert(order.end(), {124, 124});
  for (std::size_t i = 0; i < order.size(); ++i) {
    auto expected = blok_record(b, order[i]);
    if (order[i] == 65) expected[11] = 0xFF;  // the radio's "off"
    EXPECT_EQ(recs[i], expected) << "send " << i + 1 << " (record " << order[i] << ")";
  }

  // The radio notes each record as it comes in, give or take its own scheduling: a record
  // noted late makes one gap longer and the next shorter, so each send is measured from the first.
  const auto times = sim.log_of("rec ");
  ASSERT_EQ(times.size(), 56u);
  int on_pace = 0;
  for (std::size_t i = 1; i < times.size(); ++i) {
    const double since_first = times[i].ms - times.front().ms;
    EXPECT_GE(since_first, 100.0 * static_cast<double>(i) - 30.0) << "send " << i + 1 << " came early";
    const double gap = times[i].ms - times[i - 1].ms;
    EXPECT_GE(gap, 40.0) << "between sends " << i << " and " << i + 1;
    if (gap >= 95.0 && gap < 200.0) ++on_pace;
  }
  EXPECT_GE(on_pace, 50) << "most records 100 ms apart";
  EXPECT_GE(times.back().ms - times.front().ms, 55 * 100.0);
  // The radio's memory took the records at their addresses.
  const QByteArray saved = sim.saved();
  ASSERT_EQ(saved.size(), kBlokSize);
  EXPECT_EQ(static_cast<std::uint8_t>(saved[layout::kTimeoutTimer]), 0xFF);
  EXPECT_EQ(static_cast<std::uint8_t>(saved[record_offset(88) + 5]), b[record_offset(88) + 5]);

  EXPECT_EQ(run.progress.op, Operation::write);
  EXPECT_EQ(run.progress.maximum, 56);
  ASSERT_EQ(run.progress.percents.size(), 56u);
  EXPECT_EQ(run.progress.percents[0], "1%");
  EXPECT_EQ(run.progress.percents[27], "50%");
  EXPECT_EQ(run.progress.percents[55], "100%");
}

TEST(WriteToRadio, RefusedRadiosGetNoRecordAndTheModelIsCheckedFirst) {
  struct Case {
    QStringList args;
    ExchangeResult expected;
  };
  const Case cases[] = {
      {{"--band", "1", "--model", "3"}, ExchangeResult::unsupported_model},
      {{"--band", "1", "--fault", "wrong-model"}, ExchangeResult::unsupported_model},
      {{"--band", "4", "--model", "3"}, ExchangeResult::unsupported_model},
      {{"--fault", "wrong-band", "--model", "0"}, ExchangeResult::wrong_band},
  };
  const Blok b = new_blok(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    SimRadio sim(c.args);
    WriteRun run = run_write(sim.path(), b);
    EXPECT_EQ(run.result, c.expected);
    EXPECT_LT(run.ms, 500);
    EXPECT_TRUE(sim.records().empty());
    EXPECT_EQ(run.progress.begun, 0);
  }
}

TEST(WriteToRadio, BlokOfAnotherBandIsRefusedByTheRadioOfBandOne) {
  SimRadio sim({"--band", "1"});
  WriteRun run = run_write(sim.path(), new_blok(3));
  EXPECT_EQ(run.result, ExchangeResult::wrong_band);
  EXPECT_TRUE(sim.records().empty());
}

TEST(WriteToRadio, FinalAnswerOtherThanOKFails) {
  for (const char* fault : {"lowercase-ok", "byte-per-record"}) {
    SCOPED_TRACE(fault);
    SimRadio sim({"--fault", fault});
    WriteRun run = run_write(sim.path(), new_blok(1));
    EXPECT_EQ(run.result, ExchangeResult::not_confirmed);
    // The radio's early bytes end the write as soon as the last record is sent, before the
    // simulator has noted that record.
    (void)QTest::qWaitFor([&] { return sim.records().size() >= 56; }, 2000);
    EXPECT_EQ(sim.records().size(), 56u) << "all records still go out";
    EXPECT_LT(run.ms, 8000);
  }
}

TEST(WriteToRadio, RadioSilentAfterTheRecordsFailsTenSecondsAfterTheHandshake) {
  SimRadio sim({"--fault", "stop-after=671"});
  WriteRun run = run_write(sim.path(), new_blok(1));
  EXPECT_EQ(run.result, ExchangeResult::timed_out);
  EXPECT_EQ(run.progress.positions.size(), 56u);
  EXPECT_GE(run.ms, 10000);
  EXPECT_LT(run.ms, 10600);
}

TEST(WriteToRadio, SilentRadioAndPulledCableFail) {
  {
    SimRadio sim({"--fault", "silent"});
    WriteRun run = run_write(sim.path(), new_blok(1));
    EXPECT_EQ(run.result, ExchangeResult::no_answer);
    EXPECT_EQ(sim.log_of("cmd pROGRAM").size(), 4u);
    EXPECT_GE(run.ms, 2800);
    EXPECT_LT(run.ms, 3400);
  }
  {
    SimRadio sim({"--fault", "vanish=120"});
    WriteRun run = run_write(sim.path(), new_blok(1));
    EXPECT_EQ(run.result, ExchangeResult::cable_lost);
    EXPECT_EQ(sim.records().size(), 10u);
    EXPECT_LT(run.ms, 2000) << "a pulled cable ends the write at once";
  }
}

}  // namespace
}  // namespace tirel
