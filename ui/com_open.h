#pragma once
// Opening the port before an exchange, asking the user for another when it will not open.
#include <QString>
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

}  // namespace tirel
