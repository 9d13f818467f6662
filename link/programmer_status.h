#pragma once
// The programmer status panel, refreshed every second: the COM port in use, or whether the
// maker's USB cable is plugged in.
#include <QString>
#include <cstdint>

namespace tirel {

class ProgrammerStatus {
 public:
  // The panel text after one tick, given the text it shows now. With the COM programmer the
  // port is named; with the USB programmer the FTDI devices are listed (unless polling is
  // stopped, when the text stays) and a missing cable blinks, one second on, one off.
  // `blink_toggle` is the main window's status blink toggle.
  QString tick(std::int32_t programmer_mode, std::int32_t port_index, bool stop_usb_polling,
               std::uint8_t& blink_toggle, const QString& current);

 private:
  bool busy_ = false;  // an error box of this tick is open while the next tick comes
};

}  // namespace tirel
