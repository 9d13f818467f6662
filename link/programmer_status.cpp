#include "link/programmer_status.h"

#include "link/D2XXUnit.h"
#include "link/port_names.h"
#include "link/texts.h"

namespace tirel {

QString ProgrammerStatus::tick(std::int32_t programmer_mode, std::int32_t port_index, bool stop_usb_polling,
                               std::uint8_t& blink_toggle, const QString& current) {
  if (programmer_mode != 0)
    return QString::fromUtf8(link_text::kComProgrammerText) + QString::number(static_cast<std::int64_t>(port_index) + 1);
  if (stop_usb_polling || busy_) return current;

  busy_ = true;
  bool found = false;
  QString text = current;
  if (d2xx::GetFTDeviceCount() == FT_OK) {
    for (DWORD i = 0; i < d2xx::device_count; ++i) {
      // A device that would not tell its description is not taken for the cable.
      if (d2xx::GetFTDeviceDescription(static_cast<int>(i)) != FT_OK) continue;
      if (d2xx::device_description == kUsbProgrammerDescription) {
        text = QString::fromUtf8(link_text::kUsbConnectedText);
        found = true;
      }
    }
  }
  busy_ = false;
  if (found) return text;
  if (blink_toggle == 1) {
    blink_toggle = 0;
    return QString::fromUtf8(link_text::kUsbMissingText);
  }
  blink_toggle = 1;
  return QString();
}

}  // namespace tirel
