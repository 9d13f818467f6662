#include "link/D2XXUnit.h"

#include <ftdi.h>

#include <QString>
#include <cstring>
#include <map>

#include "prompt/prompter.h"

namespace tirel::d2xx {

DWORD device_count = 0;
std::string device_description;

namespace {

ListingSource g_source;
UsbListing g_last;  // the listing behind the last count, which the by-index calls read

// A failure that lasts would otherwise put up a box on every tick: each operation reports a
// status once, and again only after it has succeeded in between.
std::map<std::string, FT_STATUS> g_reported;

void report(const char* operation, FT_STATUS status) {
  if (status == FT_OK) {
    g_reported.erase(operation);
    return;
  }
  auto [it, fresh] = g_reported.try_emplace(operation, status);
  if (!fresh && it->second == status) return;
  it->second = status;
  prompter().message(nullptr, QMessageBox::Critical, QStringLiteral("Error"),
                     QString::fromStdString(error_text(operation, status)), QMessageBox::Ok);
}

UsbListing current_listing() { return g_source ? g_source() : list_ftdi_devices(); }

}  // namespace

UsbListing list_ftdi_devices() {
  UsbListing out;
  ftdi_context* ctx = ftdi_new();
  if (!ctx) {  // no USB subsystem to talk to
    out.status = FT_IO_ERROR;
    return out;
  }
  ftdi_device_list* list = nullptr;
  const int n = ftdi_usb_find_all(ctx, &list, 0x0403, 0);
  if (n < 0) {
    out.status = n == -3 ? FT_INSUFFICIENT_RESOURCES : FT_IO_ERROR;
  } else {
    for (ftdi_device_list* d = list; d; d = d->next) {
      char description[kFtDescriptionSize] = {};
      if (ftdi_usb_get_strings(ctx, d->dev, nullptr, 0, description, sizeof description, nullptr, 0) == 0)
        out.descriptions.emplace_back(description);
      else
        out.descriptions.emplace_back(std::nullopt);
    }
  }
  ftdi_list_free(&list);
  ftdi_free(ctx);
  return out;
}

void set_listing_source(ListingSource source) { g_source = std::move(source); }

std::string error_text(const char* operation, FT_STATUS status) {
  static const char* const suffixes[] = {
      "",
      " - Не правильный дескриптор...",
      " - Устройство не найдено....",
      " - Устройство не открыто...",
      " - Ошибка основного IO...",
      " - Недостаточно ресурсов...",
      " - Не правильный параметр ...",
  };
  if (status >= 1 && status <= 6) return std::string(operation) + suffixes[status];
  return std::string(operation) + " - Ошибка USB, код " + std::to_string(status) + "...";
}

FT_STATUS GetFTDeviceCount() {
  const FT_STATUS s = FT_ListDevices(&device_count, nullptr, FT_LIST_NUMBER_ONLY);
  report("GetFTDeviceCount", s);
  return s;
}

FT_STATUS GetFTDeviceDescription(int index) {
  char buffer[kFtDescriptionSize] = {};
  const FT_STATUS s =
      FT_ListDevices(reinterpret_cast<void*>(static_cast<std::intptr_t>(index)), buffer,
                     FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION);
  if (s == FT_OK) device_description.assign(buffer, strnlen(buffer, 49));
  report("GetFTDeviceDescription", s);
  return s;
}

}  // namespace tirel::d2xx

FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
  using namespace tirel::d2xx;
  if (flags == FT_LIST_NUMBER_ONLY) {
    if (!arg1) return FT_INVALID_PARAMETER;
    g_last = current_listing();
    if (g_last.status != FT_OK) return g_last.status;
    *static_cast<DWORD*>(arg1) = static_cast<DWORD>(g_last.descriptions.size());
    return FT_OK;
  }
  if (flags == (FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION)) {
    const auto index = reinterpret_cast<std::intptr_t>(arg1);
    if (!arg2) return FT_INVALID_PARAMETER;
    if (index < 0 || static_cast<std::size_t>(index) >= g_last.descriptions.size()) return FT_DEVICE_NOT_FOUND;
    const auto& d = g_last.descriptions[static_cast<std::size_t>(index)];
    if (!d) return FT_DEVICE_NOT_OPENED;
    const std::size_t n = std::min(d->size(), static_cast<std::size_t>(kFtDescriptionSize - 1));
    std::memcpy(arg2, d->data(), n);
    static_cast<char*>(arg2)[n] = '\0';
    return FT_OK;
  }
  return FT_INVALID_PARAMETER;
}
