// The simulated radio itself, spoken to over a raw terminal: it must be a fair stand-in for
// a real one, or the link tests prove nothing.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

#include "blok/default_blok.h"
#include "sim_radio.h"

namespace {

using tirel::test::SimRadio;

class Line {
 public:
  explicit Line(const QString& path) {
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(fd_, &t);
    cfmakeraw(&t);
    tcsetattr(fd_, TCSANOW, &t);
  }
  ~Line() { ::close(fd_); }
  bool ok() const { return fd_ >= 0; }
  void send(const std::string& s) { ASSERT_EQ(::write(fd_, s.data(), s.size()), static_cast<ssize_t>(s.size())); }
  // Up to n bytes, or fewer if the line stays quiet for `quiet_ms`.
  std::string take(std::size_t n, int quiet_ms = 300) {
    std::string got;
    char buf[256];
    while (got.size() < n) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, quiet_ms) <= 0) break;
      const ssize_t k = ::read(fd_, buf, std::min(sizeof buf, n - got.size()));
      if (k <= 0) break;
      got.append(buf, static_cast<std::size_t>(k));
    }
    return got;
  }

 private:
  int fd_ = -1;
};

std::string record_bytes(int r, std::uint8_t fill) {
  std::string rec = {'W', static_cast<char>((8 * (r - 1)) >> 8), static_cast<char>((8 * (r - 1)) & 0xFF), 8};
  rec.append(8, static_cast<char>(fill));
  return rec;
}

TEST(SimulatedRadio, ReadSendsItsRecordsAtTheLinesPace) {
  QTemporaryDir dir;
  tirel::Blok b = tirel::new_blok(3);
  b[65 * 12 - 1] = 0;  // timer off, as the program keeps it
  SimRadio sim({"--memory", SimRadio::memory_file(dir, b), "--model", "1"});
  Line line(sim.path());
  ASSERT_TRUE(line.ok());
  line.send("rEAD");
  EXPECT_EQ(line.take(2), std::string("\x03\x01", 2));
  QElapsedTimer clock;
  clock.start();
  line.send("OK");
  const std::string data = line.take(684);
  ASSERT_EQ(data.size(), 684u);
  EXPECT_GE(clock.elapsed(), 700) << "684 bytes of 10 bits at 9600 bit/s";
  EXPECT_LT(clock.elapsed(), 900);
  EXPECT_EQ(data.substr(0, 12), std::string(reinterpret_cast<const char*>(b.data()), 12));
  EXPECT_EQ(static_cast<std::uint8_t>(data[33 * 12 - 1]), 0xFF) << "the timer's off is 0xFF in the radio";
  EXPECT_EQ(data.substr(56 * 12, 12), std::string(reinterpret_cast<const char*>(b.data()) + 123 * 12, 12));
}

TEST(SimulatedRadio, WriteStoresRecordsByAddressAndAnswersAfterTheLast) {
  for (const bool small : {false, true}) {
    SimRadio sim(small ? QStringList{"--fault", "lowercase-ok"} : QStringList{});
    Line line(sim.path());
    line.send("pROGRAM");
    EXPECT_EQ(line.take(2).size(), 2u);
    for (int i = 0; i < 55; ++i) line.send(record_bytes(70, static_cast<std::uint8_t>(i)));
    EXPECT_EQ(line.take(2, 200), "") << "nothing before the 56th record";
    line.send(record_bytes(3, 0xAB));
    EXPECT_EQ(line.take(2), small ? "ok" : "OK");
    const QByteArray saved = sim.saved();
    ASSERT_EQ(saved.size(), 1536);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[2 * 12 + 4]), 0xAB);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[69 * 12 + 11]), 54);
    EXPECT_EQ(sim.records().size(), 56u);
  }
}

TEST(SimulatedRadio, FaultsOnTheLine) {
  {
    SimRadio sim({"--fault", "one-byte", "--band", "4"});
    Line line(sim.path());
    line.send("rEAD");
    EXPECT_EQ(line.take(2), "\x04");
  }
  {
    SimRadio sim({"--fault", "stop-after=30"});
    Line line(sim.path());
    line.send("rEAD");
    line.take(2);
    line.send("OK");
    EXPECT_EQ(line.take(684).size(), 30u);
  }
  {
    SimRadio sim({"--fault", "byte-per-record"});
    Line line(sim.path());
    line.send("pROGRAM");
    line.take(2);
    line.send(record_bytes(1, 0));
    EXPECT_EQ(line.take(1).size(), 1u);
  }
  {
    SimRadio sim({"--fault", "vanish=24"});
    Line line(sim.path());
    line.send("rEAD");
    line.take(2);
    line.send("OK");
    EXPECT_LE(line.take(684).size(), 24u);
    EXPECT_TRUE(sim.wait_exit(2000)) << "the radio's side of the line is gone";
  }
}

TEST(SimulatedRadio, LinkNameFollowsTheTerminalWhileTheRadioRuns) {
  QTemporaryDir dir;
  const QString link = dir.filePath("radio");
  {
    SimRadio sim({"--link", link});
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.path());
  }
  EXPECT_FALSE(QFileInfo::exists(link));
}

TEST(SimulatedRadio, NumbersOutOfRangeOrNotNumbersAreUsageErrorsWithAPlainMessage) {
  struct Case {
    QStringList args;
    QString message;
  } cases[] = {
      {{"--default-band", "9"}, "tirel12-sim: --default-band takes a number from 0 to 5, not \"9\"\n"},
      {{"--default-band", "x"}, "tirel12-sim: --default-band takes a number from 0 to 5, not \"x\"\n"},
      {{"--corrupt-record", "0"}, "tirel12-sim: --corrupt-record takes a number from 1 to 128, not \"0\"\n"},
      {{"--fault", "stop-after=-3"}, "tirel12-sim: --fault stop-after=N takes a number from 0 to 1000000, not \"-3\"\n"},
  };
  for (const Case& c : cases) {
    QProcess p;
    p.start(QStringLiteral(TIREL_SIM), c.args);
    ASSERT_TRUE(p.waitForFinished(5000)) << c.args.join(' ').toStdString();
    EXPECT_EQ(p.exitCode(), 2) << c.args.join(' ').toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty()) << "no terminal was opened";
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.startsWith(c.message)) << err.toStdString();
    EXPECT_TRUE(err.contains("usage: tirel12-sim")) << err.toStdString();
  }
}

}  // namespace
