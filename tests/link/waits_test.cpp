// The waits: lengths, the time-out window, and that nothing burns a core while waiting.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "cpu_time.h"
#include "link/port_names.h"
#include "link/serial_port.h"
#include "link/waits.h"

namespace tirel {
namespace {

using test::cpu_seconds;

TEST(Waits, PauseLastsAtLeastItsLengthWhileOtherTimersKeepFiring) {
  LinkWaits waits;
  int ticks = 0;
  QTimer other;
  QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
  other.start(5);
  QElapsedTimer clock;
  clock.start();
  waits.pause(20);
  EXPECT_GE(clock.nsecsElapsed(), 20'000'000);
  EXPECT_LT(clock.elapsed(), 60);
  waits.pause(100);
  EXPECT_GE(clock.elapsed(), 120);
  EXPECT_GE(ticks, 10) << "window events go on during a pause";
}

TEST(Waits, TimeOutEndsTheByteWaitAfterItsWindowEveryTimeItIsArmed) {
  LinkWaits waits;
  SerialPort closed;
  std::uint8_t b = 0;
  for (int round = 0; round < 3; ++round) {
    QElapsedTimer clock;
    clock.start();
    const double cpu0 = cpu_seconds();
    waits.arm_timeout(200);
    EXPECT_EQ(waits.wait_byte(closed, b), LinkWaits::Byte::timed_out);
    EXPECT_GE(clock.elapsed(), 200) << "round " << round;
    EXPECT_LT(clock.elapsed(), 260) << "round " << round;
    EXPECT_LT(cpu_seconds() - cpu0, 0.05) << "the wait sleeps in the event loop";
  }
}

TEST(Waits, TimeOutWindowKeepsCountingThroughPausesAndReArmingRestartsIt) {
  LinkWaits waits;
  SerialPort closed;
  std::uint8_t b = 0;
  QElapsedTimer clock;
  clock.start();
  waits.arm_timeout(300);
  waits.pause(100);
  waits.pause(100);
  EXPECT_FALSE(waits.timed_out());
  EXPECT_EQ(waits.wait_byte(closed, b), LinkWaits::Byte::timed_out);
  EXPECT_LT(clock.elapsed(), 360);

  clock.restart();
  waits.arm_timeout(150);
  waits.pause(100);
  waits.arm_timeout(150);
  EXPECT_EQ(waits.wait_byte(closed, b), LinkWaits::Byte::timed_out);
  EXPECT_GE(clock.elapsed(), 250);
}

TEST(SerialLine, ClosedPortSendsNothingReadsNothingAndDeviceThatIsMissingWillNotOpen) {
  SerialPort port;
  std::uint8_t b = 0;
  EXPECT_FALSE(port.send("rEAD"));
  EXPECT_FALSE(port.read_byte(b));
  port.purge();
  port.close();
  EXPECT_FALSE(port.open()) << "no device chosen";
  EXPECT_TRUE(port.set_device("/dev/tirel-no-such-port"));
  EXPECT_FALSE(port.open());
  EXPECT_FALSE(port.is_open());
}

TEST(PortNames, ConfigIniPortsSectionComesFirstThenUsbThenAcmThenBuiltIn) {
  const std::string ini = "[Ports]\r\nCOM2=/dev/ttyRadio\r\n";
  auto none = [](const QString&) { return false; };
  auto usb0_acm1 = [](const QString& p) { return p == "/dev/ttyUSB0" || p == "/dev/ttyACM1"; };
  EXPECT_EQ(port_device(2, ini, usb0_acm1), "/dev/ttyRadio");
  EXPECT_EQ(port_device(1, ini, usb0_acm1), "/dev/ttyUSB0");
  EXPECT_EQ(port_device(2, "", usb0_acm1), "/dev/ttyACM1");
  EXPECT_EQ(port_device(4, ini, none), "/dev/ttyS3");
  EXPECT_EQ(port_device(12, "", none), "/dev/ttyS11");
  EXPECT_TRUE(port_device(0, ini, usb0_acm1).isEmpty());
  EXPECT_TRUE(port_device(-3, ini, usb0_acm1).isEmpty());
}

}  // namespace
}  // namespace tirel
