#include "link/usb_devices.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace tirel {
namespace fs = std::filesystem;

namespace {

constexpr const char* kFtdiVendor = "0403";
constexpr const char* kFtdiDriver = "ftdi_sio";

enum class Read { ok, missing, failed };

// A sysfs attribute without its line end. The product strings are short; 4 KiB is a sysfs page.
Read read_attribute(const fs::path& file, std::string& out) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? Read::missing : Read::failed;
  char buf[4096];
  ssize_t n;
  do {
    n = ::read(fd, buf, sizeof buf);
  } while (n < 0 && errno == EINTR);
  ::close(fd);
  if (n < 0) return Read::failed;
  out.assign(buf, static_cast<std::size_t>(n));
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return Read::ok;
}

// The interfaces of USB device `name` are its sub-folders "<name>:<config>.<interface>".
std::vector<fs::path> interfaces_of(const fs::path& device, const std::string& name) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (fs::directory_iterator it(device, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry.rfind(name + ":", 0) == 0) out.push_back(it->path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

bool driven_by_ftdi_sio(const std::vector<fs::path>& interfaces) {
  std::error_code ec;
  for (const fs::path& i : interfaces) {
    const fs::path driver = fs::read_symlink(i / "driver", ec);
    if (!ec && driver.filename() == kFtdiDriver) return true;
  }
  return false;
}

// USB serial drivers put "ttyUSB<n>" in the interface, CDC modems "tty/ttyACM<n>".
std::optional<std::string> serial_port_of(const std::vector<fs::path>& interfaces) {
  std::error_code ec;
  for (const fs::path& i : interfaces) {
    for (const fs::path& folder : {i, i / "tty"}) {
      std::vector<std::string> ttys;
      for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry.rfind("tty", 0) == 0 && entry.size() > 3) ttys.push_back(entry);
      }
      ec.clear();
      if (!ttys.empty()) {
        std::sort(ttys.begin(), ttys.end());
        return "/dev/" + ttys.front();
      }
    }
  }
  return std::nullopt;
}

}  // namespace

FtdiDeviceList list_ftdi_devices(const fs::path& sysfs_root) {
  FtdiDeviceList list;
  const fs::path devices = sysfs_root / "bus" / "usb" / "devices";
  std::error_code ec;
  std::vector<std::string> names;
  for (fs::directory_iterator it(devices, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  if (ec) {
    list.usb_present = false;
    return list;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const fs::path device = devices / name;
    std::string vendor;
    if (read_attribute(device / "idVendor", vendor) != Read::ok) continue;  // an interface, not a device
    const std::vector<fs::path> interfaces = interfaces_of(device, name);
    if (vendor != kFtdiVendor && !driven_by_ftdi_sio(interfaces)) continue;
    FtdiDevice d;
    d.name = name;
    std::string product;
    switch (read_attribute(device / "product", product)) {
      case Read::ok: d.product = product; break;
      case Read::missing: d.product = std::string(); break;
      case Read::failed: break;
    }
    d.serial_port = serial_port_of(interfaces);
    list.devices.push_back(std::move(d));
  }
  return list;
}

namespace {
std::filesystem::path g_sysfs_root = "/sys";
}  // namespace

const std::filesystem::path& sysfs_root() { return g_sysfs_root; }
void set_sysfs_root(std::filesystem::path root) { g_sysfs_root = std::move(root); }

}  // namespace tirel
