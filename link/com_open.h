#pragma once
// Opening the port before an exchange, and keeping the main window still while it runs.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "link/serial_port.h"

namespace tirel {

// The device that port number n (1-based) stands for.
using PortResolver = std::function<QString(int port_number)>;

// Opens the port the port index names. When it will not open, asks (Yes/No) whether to pick
// another; Yes runs `choose_port` (the programmer dialog), and a newly chosen port is tried at
// once. Ends when the port is open, the user says No, or the same port is chosen again.
bool com_open(SerialPort& port, const std::int32_t& port_index, const PortResolver& resolve,
              const std::function<void()>& choose_port);

// blok_btn / razblok_btn: the main window, its menu, tool bar and pages take no input, and
// it cannot be closed, while the radio is talked to. Its dialogs and message boxes still work.
class WindowLock final : public QObject {
 public:
  void blok_btn(QWidget* window);
  void razblok_btn();
  bool locked() const { return !window_.isNull(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace tirel
