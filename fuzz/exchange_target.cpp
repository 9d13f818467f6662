#include "fuzz/exchange_target.h"

#include <cstdlib>
#include <cstdio>
#include <optional>
#include <vector>

#include "blok/layout.h"
#include "fuzz/radio_feed.h"
#include "link/exchanges.h"

namespace tirel::fuzz {
namespace {

// A broken invariant is a finding: say which one and stop loudly so the fuzzer keeps the input.
void check_at(bool ok, const char* what, int line) {
  if (ok) return;
  std::fprintf(stderr, "exchange_target.cpp:%d: %s\n", line, what);
  std::abort();
}
#define CHECK(x) check_at((x), #x, __LINE__)

constexpr std::size_t kHeader = 5;
constexpr std::size_t kAnswer = 2;
constexpr std::size_t kReadData = 684;

// The longest an exchange may take: the settle pause, four unanswered attempts, then its
// data window (the write's window covers its 56 sends and the final answer).
constexpr std::int64_t kReadLimitMs = 20 + 4 * (200 + 500) + 7000 + 2;
constexpr std::int64_t kWriteLimitMs = 20 + 4 * (200 + 500) + 10000 + 2;

// A set whose every byte differs from its neighbours, so a byte copied to the wrong place shows.
Blok distinct_blok() {
  Blok b{};
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return b;
}

// The read position whose record lands in blok record r, if any.
std::optional<int> position_for_record(int r) {
  if (r >= 1 && r <= 32) return r;
  if (r == 65) return 33;
  if (r == 66) return 34;
  if (r == 124) return 57;
  return std::nullopt;
}

// Checks the sink is driven the way the progress window expects.
class CheckedProgress final : public ProgressSink {
 public:
  explicit CheckedProgress(Operation op) : op_(op) {}
  void begin(Operation op, int total) override {
    CHECK(maximum_ == 0 && total > 0 && op == op_);
    maximum_ = total;
  }
  void advance(int position, const QString& percent) override {
    CHECK(maximum_ > 0 && position == position_ + 1 && position <= maximum_ && percent.endsWith(QLatin1Char('%')));
    position_ = position;
  }
  Operation op_;
  int maximum_ = 0;
  int position_ = 0;
};

// How many leading sends are the command; each must be the whole command, 1 to 4 of them
// (none when the cable was gone from the start).
std::size_t count_commands(const FeedPort& port, const QByteArray& command) {
  const auto& sent = port.sent();
  std::size_t n = 0;
  while (n < sent.size() && sent[n] == command) ++n;
  CHECK(n <= 4 && (n >= 1 || port.lost()));
  return n;
}

void check_read(FeedPort& port, VirtualWaits& waits, const VirtualClock& clock, bool simple) {
  const auto feed = port.feed();
  Blok b = distinct_blok();
  const Blok before = b;
  ReadBuffer rb;
  CheckedProgress progress(Operation::read);
  const ExchangeResult r = read_radio(port, waits, progress, rb);
  CHECK(r != ExchangeResult::unsupported_model && r != ExchangeResult::wrong_band && r != ExchangeResult::not_confirmed);
  CHECK(r != ExchangeResult::cable_lost || port.lost());
  CHECK(clock.now_ms <= kReadLimitMs);

  const auto& sent = port.sent();
  const std::size_t commands = count_commands(port, QByteArrayLiteral("rEAD"));
  const bool went_ahead = commands < sent.size();
  if (went_ahead) CHECK(commands + 1 == sent.size() && sent.back() == QByteArrayLiteral("OK"));
  if (!went_ahead && !port.lost()) CHECK(commands == 4);
  if (simple) {
    // Every byte comes at once and the cable stays: the outcome follows from the count alone.
    const ExchangeResult want = feed.size() < kAnswer                ? ExchangeResult::no_answer
                                : feed.size() < kAnswer + kReadData ? ExchangeResult::timed_out
                                                                    : ExchangeResult::ok;
    CHECK(r == want);
    CHECK(went_ahead == (feed.size() >= kAnswer));
  }

  if (r != ExchangeResult::ok) {
    CHECK(progress.position_ < 57);
    return;  // the window applies nothing: its blok stays as it was
  }
  CHECK(went_ahead && progress.position_ == 57);
  // The answer and the 57 records are the last bytes the radio gave, and the read took no more.
  const std::size_t end = port.taken();
  CHECK(end >= kAnswer + kReadData);
  if (simple) CHECK(end == kAnswer + kReadData);
  const std::size_t start = end - kReadData;
  CHECK(rb.answer.size() == 2 && static_cast<std::uint8_t>(rb.answer[0]) == feed[start - 2] &&
        static_cast<std::uint8_t>(rb.answer[1]) == feed[start - 1]);
  for (std::size_t i = 0; i < kReadData; ++i) CHECK(rb.records[i] == feed[start + i]);

  apply_read(rb, b);
  for (int rec = 1; rec <= kRecordCount; ++rec) {
    const auto p = position_for_record(rec);
    for (int i = 0; i < kRecordSize; ++i) {
      const std::size_t at = static_cast<std::size_t>(record_offset(rec) + i);
      std::uint8_t want = p ? feed[start + static_cast<std::size_t>((*p - 1) * kRecordSize + i)] : before[at];
      if (at == static_cast<std::size_t>(layout::kTimeoutTimer) && want == 0xFF) want = 0;
      CHECK(b[at] == want);
    }
  }
}

void check_write(FeedPort& port, VirtualWaits& waits, const VirtualClock& clock, bool simple, std::uint8_t band,
                 std::uint8_t timer) {
  const auto feed = port.feed();
  Blok b = distinct_blok();
  b[layout::kBandCode] = band;
  b[layout::kTimeoutTimer] = timer;
  const Blok before = b;
  CheckedProgress progress(Operation::write);
  const ExchangeResult r = write_radio(port, waits, progress, b);
  CHECK(b == before);
  CHECK(clock.now_ms <= kWriteLimitMs);

  // The records go out in this order, each as the blok holds it but for the timer byte.
  std::vector<int> order;
  for (int rec = 1; rec <= 32; ++rec) order.push_back(rec);
  order.push_back(65);
  order.push_back(66);
  for (int rec = 69; rec <= 88; ++rec) order.push_back(rec);
  order.push_back(124);
  order.push_back(124);

  const auto& sent = port.sent();
  const std::size_t commands = count_commands(port, QByteArrayLiteral("pROGRAM"));
  const std::size_t records = sent.size() - commands;
  CHECK(records <= order.size());
  // A send on a pulled cable goes nowhere, though the bar moves on.
  if (port.lost()) CHECK(static_cast<int>(records) <= progress.position_);
  else CHECK(static_cast<int>(records) == progress.position_);
  for (std::size_t k = 0; k < records; ++k) {
    const int rec = order[k];
    QByteArray want(reinterpret_cast<const char*>(b.data() + record_offset(rec)), kRecordSize);
    if (rec == 65 && b[layout::kTimeoutTimer] == 0) want[kRecordSize - 1] = static_cast<char>(0xFF);
    CHECK(sent[commands + k] == want);
  }

  // Where the handshake answer lies in what the radio said: the two bytes taken before any record.
  switch (r) {
    case ExchangeResult::ok:
      CHECK(records == order.size());
      CHECK(port.taken() >= 4 && feed[port.taken() - 2] == 'O' && feed[port.taken() - 1] == 'K');
      CHECK(feed[port.taken() - 3] <= 2 && feed[port.taken() - 4] == band);
      break;
    case ExchangeResult::unsupported_model:
      CHECK(records == 0 && port.taken() >= 2 && feed[port.taken() - 1] > 2);
      break;
    case ExchangeResult::wrong_band:
      CHECK(records == 0 && port.taken() >= 2 && feed[port.taken() - 1] <= 2 && feed[port.taken() - 2] != band);
      break;
    case ExchangeResult::no_answer:
      CHECK(records == 0 && commands == 4);
      break;
    case ExchangeResult::cable_lost:
      CHECK(port.lost());
      break;
    case ExchangeResult::timed_out:
      break;
    case ExchangeResult::not_confirmed:
      CHECK(records == order.size() && port.taken() >= 4);
      CHECK(feed[port.taken() - 2] != 'O' || feed[port.taken() - 1] != 'K');
      break;
  }

  if (simple) {
    // Every byte comes at once and the cable stays: the outcome follows from the bytes alone.
    ExchangeResult want = ExchangeResult::timed_out;
    if (feed.size() < 2) want = ExchangeResult::no_answer;
    else if (feed[1] > 2) want = ExchangeResult::unsupported_model;
    else if (feed[0] != band) want = ExchangeResult::wrong_band;
    else if (feed.size() >= 4) want = feed[2] == 'O' && feed[3] == 'K' ? ExchangeResult::ok : ExchangeResult::not_confirmed;
    CHECK(r == want);
    if (feed.size() >= 2 && want != ExchangeResult::unsupported_model && want != ExchangeResult::wrong_band)
      CHECK(records == order.size());
  }
}

}  // namespace

void exchange(const std::uint8_t* data, std::size_t size) {
  if (size < kHeader) return;
  const bool write = data[0] & 1;
  const bool vanish = data[0] & 2;
  const auto band = static_cast<std::uint8_t>((data[0] >> 2) & 7);
  const std::uint8_t timer = data[1];
  FeedPort::Silence silence{static_cast<std::size_t>(data[2] | data[3] << 8), data[4] * 50};
  const std::span<const std::uint8_t> feed(data + kHeader, size - kHeader);

  VirtualClock clock;
  FeedPort port(clock, feed, silence, vanish);
  VirtualWaits waits(clock);
  CHECK(port.open());
  const bool simple = !vanish && (silence.ms == 0 || silence.before_byte >= feed.size());
  if (write) check_write(port, waits, clock, simple, band, timer);
  else check_read(port, waits, clock, simple);
  CHECK(!port.is_open());  // every end of an exchange closes the port
}

}  // namespace tirel::fuzz
