#pragma once
// The waits of an exchange: a pause, the time-out window and the wait for one byte. Each
// keeps the window events flowing and sleeps in the event loop between wake-ups.
#include <QTimer>
#include <cstdint>

#include "link/port.h"

namespace tirel {

class LinkWaits {
 public:
  LinkWaits();

  // Returns no sooner than `ms` milliseconds from now. Leaves the time-out window running.
  void pause(int ms);

  // Starts a fresh time-out window of `ms` milliseconds from this moment.
  void arm_timeout(int ms);
  bool timed_out() const { return timeout_flag_; }

  enum class Byte { arrived, timed_out, lost };
  // One byte from the port, unless the time-out window has ended first or the device is gone.
  // A byte that is waiting when the window has ended is not taken.
  Byte wait_byte(Port& port, std::uint8_t& out);

  // Handles what is pending for the windows, without waiting.
  static void process_pending();

 private:
  QTimer pause_timer_;
  QTimer timeout_timer_;
  bool pause_flag_ = false;
  bool timeout_flag_ = false;
};

}  // namespace tirel
