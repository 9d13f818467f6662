#include "fuzz/radio_feed.h"

#include <cstdlib>

namespace tirel::fuzz {

FeedPort::FeedPort(const VirtualClock& clock, std::span<const std::uint8_t> feed, Silence silence,
                   bool vanish_at_end)
    : clock_(clock), feed_(feed), silence_(silence), vanish_(vanish_at_end) {}

bool FeedPort::open() {
  open_ = true;
  return true;
}

bool FeedPort::send(const QByteArray& bytes) {
  if (!is_open()) return false;
  sent_.push_back(bytes);
  return true;
}

bool FeedPort::read_byte(std::uint8_t& out) {
  if (!is_open() || taken_ >= feed_.size()) return false;
  if (taken_ == silence_.before_byte && silence_.ms > 0) {
    if (!silence_until_) silence_until_ = clock_.now_ms + silence_.ms;
    if (clock_.now_ms < *silence_until_) return false;
  }
  out = feed_[taken_++];
  return true;
}

void VirtualWaits::pause(int ms) {
  if (ms <= 0) std::abort();
  clock_.now_ms += ms;
}

VirtualWaits::Byte VirtualWaits::wait_byte(Port& port, std::uint8_t& out) {
  // Waiting for a byte with no window armed would wait forever on a silent radio.
  if (!deadline_) std::abort();
  for (;;) {
    if (timed_out()) return Byte::timed_out;
    if (port.read_byte(out)) {
      ++clock_.now_ms;  // about the time one byte takes on the line at 9600 bit/s
      return Byte::arrived;
    }
    if (port.lost()) return Byte::lost;
    ++clock_.now_ms;
  }
}

}  // namespace tirel::fuzz
