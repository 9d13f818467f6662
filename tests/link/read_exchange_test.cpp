// The read against the simulated radio: what lands where, how long failures take.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "cpu_time.h"
#include "link/exchanges.h"
#include "link/serial_port.h"
#include "recording_progress.h"
#include "sim_radio.h"

namespace tirel {
namespace {

using test::cpu_seconds;
using test::SimRadio;

struct ReadRun {
  ExchangeResult result;
  qint64 ms;
  double cpu;
  ReadBuffer rb;
  test::RecordingProgress progress;
  bool port_open_after;
};

ReadRun run_read(const QString& device) {
  ReadRun run{};
  SerialPort port;
  port.set_device(device);
  EXPECT_TRUE(port.open());
  LinkWaits waits;
  QElapsedTimer clock;
  clock.start();
  const double cpu0 = cpu_seconds();
  run.result = read_radio(port, waits, run.progress, run.rb);
  run.ms = clock.elapsed();
  run.cpu = cpu_seconds() - cpu0;
  run.port_open_after = port.is_open();
  return run;
}

TEST(ReadFromRadio, BringsTheRadiosRecordsAndKeepsRecords67To88OfTheBlok) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(3, 1);
  radio[layout::kTimeoutTimer] = 0;  // the radio will hold 0xFF there
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio), "--model", "1"});

  ReadRun run = run_read(sim.path());
  ASSERT_EQ(run.result, ExchangeResult::ok);
  EXPECT_FALSE(run.port_open_after);
  EXPECT_EQ(run.rb.answer, QByteArray("\x03\x01", 2));
  EXPECT_EQ(answered_band(run.rb), 3);
  // 684 bytes at 9600 bit/s take 0.71 s; the wait must not stretch that much.
  EXPECT_LT(run.ms, 1500);

  Blok mine = test::patterned_blok(1, 99);
  const Blok before = mine;
  apply_read(run.rb, mine);
  for (int r = 1; r <= kRecordCount; ++r) {
    const bool from_radio = r <= 32 || r == 65 || r == 66 || r == 124;
    for (int i = 0; i < kRecordSize; ++i) {
      const auto at = static_cast<std::size_t>(record_offset(r) + i);
      if (at == static_cast<std::size_t>(layout::kTimeoutTimer)) continue;
      ASSERT_EQ(mine[at], from_radio ? radio[at] : before[at]) << "record " << r << " byte " << i;
    }
  }
  EXPECT_EQ(mine[layout::kTimeoutTimer], 0) << "the radio's 0xFF is the blok's 0";
  EXPECT_EQ(band_code(mine), 3);

  EXPECT_EQ(run.progress.op, Operation::read);
  EXPECT_EQ(run.progress.maximum, 57);
  ASSERT_EQ(run.progress.percents.size(), 57u);
  EXPECT_EQ(run.progress.percents[0], "1%");
  EXPECT_EQ(run.progress.percents[28], "50%");
  EXPECT_EQ(run.progress.percents[56], "100%");
  for (int p = 1; p <= 57; ++p) EXPECT_EQ(run.progress.positions[static_cast<std::size_t>(p - 1)], p);
}

TEST(ReadFromRadio, RadioPositions35To56AreTheRadiosRecords67To88InTheReadBuffer) {
  QTemporaryDir dir;
  const Blok radio = test::patterned_blok(1, 5);
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  ReadRun run = run_read(sim.path());
  ASSERT_EQ(run.result, ExchangeResult::ok);
  for (int p = 35; p <= 56; ++p)
    for (int i = 0; i < kRecordSize; ++i)
      ASSERT_EQ(run.rb.records[static_cast<std::size_t>((p - 1) * 12 + i)],
                radio[static_cast<std::size_t>(record_offset(p + 32) + i)]);
}

TEST(ReadFromRadio, UnansweredCommandIsSentFourTimes700MsApartThenFails) {
  for (const char* fault : {"silent", "one-byte"}) {
    SCOPED_TRACE(fault);
    SimRadio sim({"--fault", fault});
    ReadRun run = run_read(sim.path());
    EXPECT_EQ(run.result, ExchangeResult::no_answer);
    EXPECT_TRUE(run.progress.percents.empty());
    EXPECT_EQ(run.progress.begun, 0);
    // 20 ms settle, then four times 200 ms window + 500 ms pause.
    EXPECT_GE(run.ms, 2800);
    EXPECT_LT(run.ms, 3400);
    const auto commands = sim.log_of("cmd rEAD");
    ASSERT_EQ(commands.size(), 4u);
    for (std::size_t i = 1; i < commands.size(); ++i) {
      EXPECT_GE(commands[i].ms - commands[i - 1].ms, 695);
      EXPECT_LT(commands[i].ms - commands[i - 1].ms, 780);
    }
    EXPECT_TRUE(sim.log_of("go-ahead").empty()) << "no \"OK\" without an answer";
    EXPECT_LT(run.cpu, 0.15 * run.ms / 1000.0) << "waiting must not burn a core";
  }
}

TEST(ReadFromRadio, DataThatStopsFailsSevenSecondsAfterTheGoAheadAndKeepsWhatCame) {
  QTemporaryDir dir;
  const Blok radio = test::patterned_blok(1, 3);
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio), "--fault", "stop-after=300"});
  ReadRun run = run_read(sim.path());
  EXPECT_EQ(run.result, ExchangeResult::timed_out);
  EXPECT_FALSE(run.port_open_after);
  EXPECT_GE(run.ms, 7000);
  EXPECT_LT(run.ms, 7600);
  ASSERT_EQ(run.progress.positions.size(), 25u) << "300 bytes are 25 whole records";
  // Records 1..25 arrived; the buffer holds them, the rest stays as it was (zero).
  for (int i = 0; i < 300; ++i)
    ASSERT_EQ(run.rb.records[static_cast<std::size_t>(i)], radio[static_cast<std::size_t>(i)]);
  EXPECT_EQ(run.rb.records[300], 0);
  EXPECT_LT(run.cpu, 0.5);
}

TEST(ReadFromRadio, CablePulledMidTransferEndsAtOnceWithThePortClosed) {
  SimRadio sim({"--fault", "vanish=100"});
  ReadRun run = run_read(sim.path());
  EXPECT_EQ(run.result, ExchangeResult::cable_lost);
  EXPECT_FALSE(run.port_open_after);
  EXPECT_LT(run.ms, 1500) << "no need to wait out the 7 s window for a device that is gone";
  EXPECT_LT(run.cpu, 0.3) << "a vanished device must not spin the loop";
  EXPECT_FALSE(sim.log_of("vanished").empty());
}

TEST(ReadFromRadio, PortThatNeverOpenedSendsNothingAndFailsAfterItsAttempts) {
  SerialPort port;  // no device: open was refused
  LinkWaits waits;
  test::RecordingProgress progress;
  ReadBuffer rb;
  rb.records.fill(0x5A);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(read_radio(port, waits, progress, rb), ExchangeResult::no_answer);
  EXPECT_GE(clock.elapsed(), 2800);
  EXPECT_EQ(rb.records[0], 0x5A);
}

}  // namespace
}  // namespace tirel
