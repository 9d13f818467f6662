#pragma once
// The main window's radio commands: read, check, write and the programmer dialog. They hold the
// window still, open the port, run the exchange with the progress window and tell how it ended.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "blok/blok.h"
#include "link/exchanges.h"
#include "link/programmers.h"
#include "link/serial_port.h"
#include "ui/com_open.h"
#include "ui/progress.h"
#include "ui/window_lock.h"

namespace tirel {

class RadioLink {
 public:
  // The fields live in the main window; the dialog and the tick read and set them.
  RadioLink(QWidget* main_window, std::int32_t& programmer_mode, std::int32_t& port_index,
            std::uint8_t& stop_usb_polling);

  // Reads the radio. On success `apply` gets the records (to put them into the window's blok
  // and redraw) before the success message; on any failure nothing is applied.
  bool read(const std::function<void(const ReadBuffer&)>& apply);
  // Reads the radio into a scratch buffer for a check: neither the window's blok nor its read
  // buffer changes. On success `check` gets the records while the window is still locked; a
  // failure is told as a read's failure.
  bool read_for_check(const std::function<void(const ReadBuffer&)>& check);
  // Writes `b` into the radio; `b` is not changed.
  bool write(const Blok& b);
  // The programmer selection dialog, modal.
  void choose_programmer();

  TForm2& dialog() { return dialog_; }
  TForm10& progress() { return *progress_; }
  const ReadBuffer& read_buffer() const { return read_buffer_; }

  // Where port numbers lead (config.ini of the working folder by default) and where the USB
  // cable is found; tests point these at the simulator.
  PortResolver resolve_port;
  std::function<std::optional<QString>()> find_usb_port;

 private:
  // Opens the port of the programmer in force; false when the exchange cannot even begin
  // (USB cable missing, already told to the user).
  bool open_port();
  // Every exchange's frame: the window locked and the USB look paused while the cable works;
  // the port opened and `exchange` run; on success the progress window hidden and `apply` run,
  // still locked; the message for the operation and its result (a success only when
  // `tell_success`); the port closed and all put back. True when the exchange succeeded.
  bool framed(Operation op, bool tell_success, const std::function<ExchangeResult()>& exchange,
              const std::function<void()>& apply);

  QWidget* window_;
  std::int32_t& programmer_mode_;
  std::int32_t& port_index_;
  std::uint8_t& stop_usb_polling_;
  SerialPort port_;
  LinkWaits waits_;
  WindowLock lock_;
  TForm2 dialog_;
  std::unique_ptr<TForm10> progress_;
  ReadBuffer read_buffer_;
};

}  // namespace tirel
