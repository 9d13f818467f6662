#include "link/D2XXUnit.h"

#include <QString>
#include <cstring>
#include <map>

#include "link/texts.h"
#include "link/usb_devices.h"
#include "prompt/prompter.h"

namespace tirel::d2xx {

DWORD device_count = 0;
std::string device_description;

namespace {

FtdiDeviceList g_last;  // the listing behind the last count, which the by-index calls read

// A failure that lasts would otherwise put up a box on every tick: each operation (and each
// device) reports a status once, and again only after it has succeeded in between.
std::map<std::string, FT_STATUS> g_reported;

void report(const char* operation, const std::string& key, FT_STATUS status) {
  if (status == FT_OK) {
    g_reported.erase(key);
    return;
  }
  auto [it, fresh] = g_reported.try_emplace(key, status);
  if (!fresh && it->second == status) return;
  it->second = status;
  prompter().message(nullptr, QMessageBox::Critical, QString::fromUtf8(link_text::kUsbErrorCaption),
                     QString::fromStdString(link_text::usb_error_text(operation, status)), QMessageBox::Ok);
}

}  // namespace

FT_STATUS GetFTDeviceCount() {
  const FT_STATUS s = FT_ListDevices(&device_count, nullptr, FT_LIST_NUMBER_ONLY);
  report("GetFTDeviceCount", "GetFTDeviceCount", s);
  return s;
}

FT_STATUS GetFTDeviceDescription(int index) {
  char buffer[kFtDescriptionSize] = {};
  const FT_STATUS s =
      FT_ListDevices(reinterpret_cast<void*>(static_cast<std::intptr_t>(index)), buffer,
                     FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION);
  if (s == FT_OK) device_description.assign(buffer, strnlen(buffer, 49));
  report("GetFTDeviceDescription", "GetFTDeviceDescription " + std::to_string(index), s);
  return s;
}

}  // namespace tirel::d2xx

FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
  using namespace tirel::d2xx;
  if (flags == FT_LIST_NUMBER_ONLY) {
    if (!arg1) return FT_INVALID_PARAMETER;
    g_last = tirel::list_ftdi_devices(tirel::sysfs_root());
    if (!g_last.usb_present) return FT_IO_ERROR;  // no USB subsystem to look at
    *static_cast<DWORD*>(arg1) = static_cast<DWORD>(g_last.devices.size());
    return FT_OK;
  }
  if (flags == (FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION)) {
    const auto index = reinterpret_cast<std::intptr_t>(arg1);
    if (!arg2) return FT_INVALID_PARAMETER;
    if (index < 0 || static_cast<std::size_t>(index) >= g_last.devices.size()) return FT_DEVICE_NOT_FOUND;
    const auto& d = g_last.devices[static_cast<std::size_t>(index)].product;
    if (!d) return FT_IO_ERROR;  // the kernel would not tell the product string
    const std::size_t n = std::min(d->size(), static_cast<std::size_t>(kFtDescriptionSize - 1));
    std::memcpy(arg2, d->data(), n);
    static_cast<char*>(arg2)[n] = '\0';
    return FT_OK;
  }
  return FT_INVALID_PARAMETER;
}
