#pragma once
// A made-up /sys in a temporary folder, laid out as the kernel lays out USB devices: the real
// folders under devices/, links to them in bus/usb/devices, interfaces inside each device.
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace tirel::test {

class FakeSysfs {
 public:
  FakeSysfs() {
    std::filesystem::create_directories(bus());
    add_device("usb1", "1d6b", "xHCI Host Controller", "", "");  // the root hub
  }

  std::filesystem::path root() const { return dir_.path().toStdString(); }

  // A USB device and its first interface, bound to `driver` and carrying serial port `tty`
  // ("" for none). No product file when `product` is nothing.
  void add_device(const std::string& name, const std::string& vendor, std::optional<std::string> product,
                  const std::string& driver = "ftdi_sio", const std::string& tty = "ttyUSB0") {
    namespace fs = std::filesystem;
    const fs::path real = root() / "devices/pci0000:00/0000:00:14.0/usb1" / name;
    fs::create_directories(real);
    write(real / "idVendor", vendor + "\n");
    write(real / "idProduct", "6001\n");
    if (product) write(real / "product", *product + "\n");
    const fs::path iface = real / (name + ":1.0");
    fs::create_directories(iface);
    if (!driver.empty()) fs::create_symlink("../../../../../../bus/usb/drivers/" + driver, iface / "driver");
    if (!tty.empty()) fs::create_directories(iface / tty / "tty" / tty);
    fs::create_directory_symlink(real, bus() / name);
    fs::create_directory_symlink(iface, bus() / (name + ":1.0"));
  }

  // A product file that cannot be read (a folder in its place fails for root as well).
  void spoil_product(const std::string& name) {
    const std::filesystem::path p = bus() / name / "product";
    std::filesystem::remove(p);
    std::filesystem::create_directory(p);
  }

  // A system without USB.
  void remove_usb() { std::filesystem::remove_all(root() / "bus/usb"); }

 private:
  std::filesystem::path bus() const { return root() / "bus/usb/devices"; }
  static void write(const std::filesystem::path& p, const std::string& text) { std::ofstream(p) << text; }

  QTemporaryDir dir_;
};

}  // namespace tirel::test
