#pragma once
// A radio reduced to the bytes it answers with, on a clock of the fuzzer's own: the real read
// and write run as they do on a cable, without real time passing.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/port.h"
#include "link/waits.h"

namespace tirel::fuzz {

struct VirtualClock {
  std::int64_t now_ms = 0;
};

// The line to a radio whose answers are the bytes of a feed. What the program sends is kept.
class FeedPort final : public Port {
 public:
  struct Silence {
    std::size_t before_byte = 0;  // the radio holds back this byte of the feed...
    int ms = 0;                   // ...for this long after the program first looks for it
  };
  FeedPort(const VirtualClock& clock, std::span<const std::uint8_t> feed, Silence silence, bool vanish_at_end);

  bool open() override;
  void close() override { open_ = false; }
  bool is_open() const override { return open_ && !lost(); }
  // The feed holds only what the radio says once spoken to, so there is nothing to discard.
  void purge() override {}
  bool send(const QByteArray& bytes) override;
  bool read_byte(std::uint8_t& out) override;
  // With `vanish_at_end` the cable is pulled once the radio has said all it had to say.
  bool lost() const override { return vanish_ && taken_ >= feed_.size(); }

  const std::vector<QByteArray>& sent() const { return sent_; }
  std::size_t taken() const { return taken_; }
  std::span<const std::uint8_t> feed() const { return feed_; }

 private:
  const VirtualClock& clock_;
  std::span<const std::uint8_t> feed_;
  Silence silence_;
  std::optional<std::int64_t> silence_until_;
  bool vanish_;
  bool open_ = false;
  std::size_t taken_ = 0;
  std::vector<QByteArray> sent_;
};

// Pauses move the clock on; a byte wait polls the port once per millisecond of the clock
// until a byte comes, the device is gone or the armed window is over.
class VirtualWaits final : public Waits {
 public:
  explicit VirtualWaits(VirtualClock& clock) : clock_(clock) {}

  void pause(int ms) override;
  void arm_timeout(int ms) override { deadline_ = clock_.now_ms + ms; }
  bool timed_out() const override { return deadline_ && clock_.now_ms >= *deadline_; }
  Byte wait_byte(Port& port, std::uint8_t& out) override;
  void process_pending() override {}

 private:
  VirtualClock& clock_;
  std::optional<std::int64_t> deadline_;
};

}  // namespace tirel::fuzz
