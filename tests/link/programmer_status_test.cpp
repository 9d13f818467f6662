// The programmer status panel and the USB device listing behind it, on made-up device trees.
#include <gtest/gtest.h>

#include "fake_sysfs.h"
#include "link/D2XXUnit.h"
#include "link/port_names.h"
#include "link/programmer_status.h"
#include "link/texts.h"
#include "link/usb_devices.h"
#include "scripted_prompter.h"

namespace tirel {
namespace {

using test::FakeSysfs;

// The status tick reads this tree instead of /sys while it lives.
struct FakeBus : FakeSysfs {
  FakeBus() { set_sysfs_root(root()); }
  ~FakeBus() { set_sysfs_root("/sys"); }
};

const QString kMissing = QString::fromUtf8(link_text::kUsbMissingText);
const QString kConnected = QString::fromUtf8(link_text::kUsbConnectedText);

TEST(ProgrammerStatus, ComProgrammerNamesThePortWithoutLookingAtUsb) {
  FakeBus bus;
  bus.remove_usb();  // a look would fail and say so
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  EXPECT_EQ(s.tick(1, 2, false, blink, ""), QStringLiteral("Программатор COM3"));
  EXPECT_EQ(s.tick(5, 0, false, blink, ""), QStringLiteral("Программатор COM1"));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProgrammerStatus, MissingCableBlinksAndAPresentOneStaysShown) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  QString panel;
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, "") << "the first tick at start-up leaves the panel empty";
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, kMissing);
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, "");

  bus.add_device("1-1", "0403", "FT232R USB UART", "ftdi_sio", "ttyUSB0");
  bus.add_device("1-2", "0403", "USB-Programmer T-120K", "ftdi_sio", "ttyUSB1");
  for (int i = 0; i < 3; ++i) {
    panel = s.tick(0, 0, false, blink, panel);
    EXPECT_EQ(panel, kConnected) << "the second of two devices is the cable";
  }
  EXPECT_EQ(find_usb_programmer_port(bus.root()), QStringLiteral("/dev/ttyUSB1"))
      << "the exchange finds the cable in the same list";
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProgrammerStatus, OnlyTheExactDescriptionCounts) {
  test::ScriptedPrompter prompts;
  for (const char* d : {"USB-Programmer T-120", "usb-programmer t-120k", "USB-Programmer T-120K ", ""}) {
    FakeBus bus;
    bus.add_device("1-1", "0403", std::string(d));
    ProgrammerStatus s;
    std::uint8_t blink = 1;
    EXPECT_EQ(s.tick(0, 0, false, blink, "x"), kMissing) << d;
    EXPECT_EQ(find_usb_programmer_port(bus.root()), std::nullopt) << d;
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProgrammerStatus, OnlyFtdiDevicesAreListed) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  // A Prolific adapter calling itself the cable is not the maker's FTDI cable...
  bus.add_device("1-1", "067b", "USB-Programmer T-120K", "pl2303", "ttyUSB0");
  ProgrammerStatus s;
  std::uint8_t blink = 1;
  EXPECT_EQ(s.tick(0, 0, false, blink, ""), kMissing);
  // ...but a cable with a re-programmed vendor id still driven by ftdi_sio is.
  bus.add_device("1-2", "1234", "USB-Programmer T-120K", "ftdi_sio", "ttyUSB1");
  EXPECT_EQ(s.tick(0, 0, false, blink, ""), kConnected);
  DWORD n = 0;
  EXPECT_EQ(FT_ListDevices(&n, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
  EXPECT_EQ(n, 1u);
}

TEST(ProgrammerStatus, StoppedPollingKeepsThePanelText) {
  FakeBus bus;
  bus.remove_usb();
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  EXPECT_EQ(s.tick(0, 0, true, blink, kConnected), kConnected);
  EXPECT_TRUE(prompts.messages.empty()) << "no look at the bus at all";
}

TEST(ProgrammerStatus, MissingUsbSubsystemIsReportedOnceWithItsText) {
  FakeBus bus;
  bus.remove_usb();
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  for (int i = 0; i < 5; ++i) s.tick(0, 0, false, blink, "");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, "Error");
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("GetFTDeviceCount - Ошибка основного IO..."));
  EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(s.tick(0, 0, false, blink, ""), kMissing) << "the panel goes on blinking";
}

TEST(ProgrammerStatus, UnreadableProductIsToldOnceAndTheCableBesideItIsFound) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  bus.add_device("1-1", "0403", "FT232R USB UART", "ftdi_sio", "ttyUSB0");
  bus.add_device("1-2", "0403", "USB-Programmer T-120K", "ftdi_sio", "ttyUSB1");
  bus.spoil_product("1-1");
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.tick(0, 0, false, blink, ""), kConnected);
  ASSERT_EQ(prompts.messages.size(), 1u) << "once, although the cable's own look succeeds every tick";
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("GetFTDeviceDescription - Ошибка основного IO..."));

  bus.spoil_product("1-2");
  blink = 1;
  EXPECT_EQ(s.tick(0, 0, false, blink, kConnected), kMissing) << "a cable that will not tell its name is not taken";
}

TEST(UsbDevices, KernelTreeGivesNamesProductsAndPorts) {
  FakeSysfs sys;
  EXPECT_TRUE(list_ftdi_devices(sys.root()).devices.empty()) << "the root hub is no FTDI device";
  sys.add_device("3-1.4", "0403", "USB-Programmer T-120K", "ftdi_sio", "ttyUSB2");
  sys.add_device("1-2", "0403", std::nullopt, "", "");  // no product string, no driver bound
  sys.add_device("2-1", "0403", "Dual RS232", "ftdi_sio", "");
  const FtdiDeviceList l = list_ftdi_devices(sys.root());
  ASSERT_TRUE(l.usb_present);
  ASSERT_EQ(l.devices.size(), 3u);
  EXPECT_EQ(l.devices[0].name, "1-2");
  EXPECT_EQ(l.devices[0].product, std::string());
  EXPECT_EQ(l.devices[0].serial_port, std::nullopt);
  EXPECT_EQ(l.devices[1].name, "2-1");
  EXPECT_EQ(l.devices[1].product, std::string("Dual RS232"));
  EXPECT_EQ(l.devices[2].name, "3-1.4");
  EXPECT_EQ(l.devices[2].product, std::string("USB-Programmer T-120K"));
  EXPECT_EQ(l.devices[2].serial_port, std::string("/dev/ttyUSB2"));

  sys.remove_usb();
  EXPECT_FALSE(list_ftdi_devices(sys.root()).usb_present);
}

TEST(D2xx, ListDevicesKeepsBothCallingForms) {
  FakeBus bus;
  bus.add_device("1-1", "0403", "A");
  bus.add_device("1-2", "0403", std::string(60, 'x'));
  DWORD n = 99;
  EXPECT_EQ(FT_ListDevices(&n, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
  EXPECT_EQ(n, 2u);
  char buf[kFtDescriptionSize];
  EXPECT_EQ(FT_ListDevices(reinterpret_cast<void*>(1), buf, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION), FT_OK);
  EXPECT_EQ(std::string(buf), std::string(60, 'x'));
  EXPECT_EQ(FT_ListDevices(reinterpret_cast<void*>(2), buf, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION),
            FT_DEVICE_NOT_FOUND);
  EXPECT_EQ(FT_ListDevices(&n, nullptr, 0x1234), FT_INVALID_PARAMETER);

  test::ScriptedPrompter prompts;
  EXPECT_EQ(d2xx::GetFTDeviceCount(), FT_OK);
  EXPECT_EQ(d2xx::GetFTDeviceDescription(1), FT_OK);
  EXPECT_EQ(d2xx::device_description, std::string(49, 'x')) << "at most 49 characters are kept";
}

TEST(D2xx, ErrorTextsForEveryStatus) {
  const char* const suffixes[] = {" - Не правильный дескриптор...", " - Устройство не найдено....",
                                  " - Устройство не открыто...",    " - Ошибка основного IO...",
                                  " - Недостаточно ресурсов...",    " - Не правильный параметр ..."};
  for (FT_STATUS s = 1; s <= 6; ++s) EXPECT_EQ(link_text::usb_error_text("Op", s), std::string("Op") + suffixes[s - 1]);
  EXPECT_FALSE(link_text::usb_error_text("Op", 18).empty());
}

TEST(D2xx, RealSystemIsListedWithoutCrashingWhateverIsThere) {
  const FtdiDeviceList l = list_ftdi_devices("/sys");
  for (const FtdiDevice& d : l.devices) {
    EXPECT_FALSE(d.name.empty());
    if (d.serial_port) {
      EXPECT_EQ(d.serial_port->rfind("/dev/tty", 0), 0u) << *d.serial_port;
    }
  }
}

}  // namespace
}  // namespace tirel
