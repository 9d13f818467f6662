#pragma once
// The waits of an exchange: a pause, the time-out window and the wait for one byte.
#include <QTimer>
#include <cstdint>

#include "link/port.h"

namespace tirel {

// What an exchange waits with. The program waits in Qt's event loop (LinkWaits); the exchange
// fuzzer runs the same exchanges on a clock of its own.
class Waits {
 public:
  virtual ~Waits() = default;

  // Returns no sooner than `ms` milliseconds from now. Leaves the time-out window running.
  virtual void pause(int ms) = 0;

  // Starts a fresh time-out window of `ms` milliseconds from this moment.
  virtual void arm_timeout(int ms) = 0;
  virtual bool timed_out() const = 0;

  enum class Byte { arrived, timed_out, lost };
  // One byte from the port, unless the time-out window has ended first or the device is gone.
  // A byte that is waiting when the window has ended is not taken.
  virtual Byte wait_byte(Port& port, std::uint8_t& out) = 0;

  // Handles what is pending for the windows, without waiting.
  virtual void process_pending() = 0;
};

// The program's waits: each keeps the window events flowing and sleeps in the event loop
// between wake-ups.
class LinkWaits final : public Waits {
 public:
  LinkWaits();

  void pause(int ms) override;
  void arm_timeout(int ms) override;
  bool timed_out() const override { return timeout_flag_; }
  Byte wait_byte(Port& port, std::uint8_t& out) override;
  void process_pending() override;

 private:
  QTimer pause_timer_;
  QTimer timeout_timer_;
  bool pause_flag_ = false;
  bool timeout_flag_ = false;
};

}  // namespace tirel
