// The read and the write on the fuzzer's clock: the exact moments at which attempts give up
// and windows close, which real time can only show roughly.
#include <gtest/gtest.h>

#include <vector>

#include "blok/default_blok.h"
#include "fuzz/radio_feed.h"
#include "link/exchanges.h"

namespace tirel {
namespace {

using fuzz::FeedPort;
using fuzz::VirtualClock;
using fuzz::VirtualWaits;

struct NoProgress final : ProgressSink {
  void begin(Operation, int) override {}
  void advance(int, const QString&) override {}
};

// A radio that says `feed`, holding back one byte for a while if asked.
struct Line {
  std::vector<std::uint8_t> feed;
  VirtualClock clock;
  FeedPort port;
  VirtualWaits waits{clock};
  NoProgress progress;
  explicit Line(std::vector<std::uint8_t> bytes, FeedPort::Silence silence = {})
      : feed(std::move(bytes)), port(clock, feed, silence, false) {
    EXPECT_TRUE(port.open());
  }
};

std::vector<std::uint8_t> read_answer(std::uint8_t first, std::uint8_t second, int data_bytes) {
  std::vector<std::uint8_t> v{first, second};
  for (int i = 0; i < data_bytes; ++i) v.push_back(static_cast<std::uint8_t>(i));
  return v;
}

TEST(ExchangeClock, SilentRadioGetsFourCommandsAndTheReadEndsAfter2820Ms) {
  Line line({});
  ReadBuffer rb;
  EXPECT_EQ(read_radio(line.port, line.waits, line.progress, rb), ExchangeResult::no_answer);
  EXPECT_EQ(line.port.sent(), std::vector<QByteArray>(4, QByteArrayLiteral("rEAD")));
  EXPECT_EQ(line.clock.now_ms, 20 + 4 * (200 + 500));
  EXPECT_FALSE(line.port.is_open());
}

TEST(ExchangeClock, LateAnswerIsTakenOnTheNextAttemptAndALoneFirstByteIsDropped) {
  {
    Line line(read_answer(3, 1, 684), {0, 300});
    ReadBuffer rb;
    EXPECT_EQ(read_radio(line.port, line.waits, line.progress, rb), ExchangeResult::ok);
    EXPECT_EQ(line.port.sent().size(), 3u);  // rEAD, rEAD, OK
    EXPECT_EQ(rb.answer, QByteArray("\x03\x01", 2));
  }
  {
    // 9 arrives, then nothing until the window is over; 3 and 1 answer the second command.
    std::vector<std::uint8_t> feed{9};
    for (std::uint8_t b : read_answer(3, 1, 684)) feed.push_back(b);
    Line line(feed, {1, 300});
    ReadBuffer rb;
    EXPECT_EQ(read_radio(line.port, line.waits, line.progress, rb), ExchangeResult::ok);
    EXPECT_EQ(rb.answer, QByteArray("\x03\x01", 2));
    EXPECT_EQ(rb.records[0], 0);
    EXPECT_EQ(rb.records[683], static_cast<std::uint8_t>(683));
  }
}

TEST(ExchangeClock, ReadDataWindowIsOneWindowOf7000MsFromTheGoAhead) {
  Line line(read_answer(1, 2, 300));
  ReadBuffer rb;
  EXPECT_EQ(read_radio(line.port, line.waits, line.progress, rb), ExchangeResult::timed_out);
  // 20 ms settle, two answer bytes, then the window armed once for all 57 records.
  EXPECT_EQ(line.clock.now_ms, 22 + 7000);
  EXPECT_EQ(rb.records[299], static_cast<std::uint8_t>(299));
}

TEST(ExchangeClock, FinalOkCountsOnlyWithinTenSecondsOfTheFirstRecord) {
  const Blok b = new_blok(1);
  // The radio starts to answer when the program first listens, after the 56 sends at 100 ms.
  for (const auto& [silence_ms, want] : {std::pair{4300, ExchangeResult::ok}, std::pair{4500, ExchangeResult::timed_out}}) {
    Line line({1, 2, 'O', 'K'}, {2, silence_ms});
    EXPECT_EQ(write_radio(line.port, line.waits, line.progress, b), want) << silence_ms;
    EXPECT_EQ(line.port.sent().size(), 1u + 56u);
  }
}

}  // namespace
}  // namespace tirel
