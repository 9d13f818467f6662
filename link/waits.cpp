#include "link/waits.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace tirel {

namespace {
// Sleeps until something happens: a timer, a byte from the port, a window event.
void wait_for_events() { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }
}  // namespace

LinkWaits::LinkWaits() {
  for (QTimer* t : {&pause_timer_, &timeout_timer_}) {
    t->setTimerType(Qt::PreciseTimer);
    t->setSingleShot(true);
  }
  QObject::connect(&pause_timer_, &QTimer::timeout, [this] { pause_flag_ = true; });
  QObject::connect(&timeout_timer_, &QTimer::timeout, [this] { timeout_flag_ = true; });
}

void LinkWaits::pause(int ms) {
  pause_flag_ = false;
  pause_timer_.start(ms);
  while (!pause_flag_) wait_for_events();
}

void LinkWaits::arm_timeout(int ms) {
  timeout_flag_ = false;
  timeout_timer_.start(ms);
}

LinkWaits::Byte LinkWaits::wait_byte(Port& port, std::uint8_t& out) {
  for (;;) {
    if (timeout_flag_) return Byte::timed_out;
    if (port.read_byte(out)) return Byte::arrived;
    if (port.lost()) return Byte::lost;
    wait_for_events();
  }
}

void LinkWaits::process_pending() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

}  // namespace tirel
