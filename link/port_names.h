#pragma once
// Which device a port number means, and where the maker's USB cable is plugged in.
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace tirel {

// Port number n (1-based) as a device: on Windows "COM<n>"; elsewhere the path that
// config.ini gives under [Ports] COM<n>, else the first of /dev/ttyUSB<n-1>, /dev/ttyACM<n-1>
// that exists, else /dev/ttyS<n-1>. `config_bytes` is config.ini as read (may be empty);
// `exists` tells whether a device path exists. Empty for a number below 1.
QString port_device(int n, std::string_view config_bytes, const std::function<bool(const QString&)>& exists);

// The same, with config.ini from `config_dir` and the real /dev.
QString port_device_from_config(int n, const QString& config_dir);

// The product description of the maker's USB programming cable.
inline constexpr const char* kUsbProgrammerDescription = "USB-Programmer T-120K";

// The serial device of the first USB device whose product string is exactly that of the cable,
// from the same device list as the status panel's presence check.
std::optional<QString> find_usb_programmer_port(const std::filesystem::path& sysfs_root);
std::optional<QString> find_usb_programmer_port();

}  // namespace tirel
