#pragma once
// FTDI USB devices as the kernel lists them under /sys: the device, its product string and
// its serial device, read from files anyone may read. No device is opened.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tirel {

struct FtdiDevice {
  std::string name;                        // the kernel's name of the USB device, e.g. "1-1.2"
  std::optional<std::string> product;      // its product string; "" when it has none, nothing when unreadable
  std::optional<std::string> serial_port;  // "/dev/ttyUSB0" when a serial driver has bound it
};

struct FtdiDeviceList {
  bool usb_present = true;  // false: the system has no USB subsystem to look at
  std::vector<FtdiDevice> devices;  // in the order of their kernel names
};

// USB devices under `sysfs_root`/bus/usb/devices with FTDI's vendor id 0403 or an interface
// driven by ftdi_sio. `sysfs_root` is "/sys" on a running system.
FtdiDeviceList list_ftdi_devices(const std::filesystem::path& sysfs_root);

// Where the program reads the kernel's device list: "/sys", or a made-up tree in a test.
const std::filesystem::path& sysfs_root();
void set_sysfs_root(std::filesystem::path root);

}  // namespace tirel
