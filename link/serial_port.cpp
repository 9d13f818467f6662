#include "link/serial_port.h"

#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace tirel {

SerialPort::SerialPort() {
  QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) { on_error(e); });
}

SerialPort::~SerialPort() { close(); }

bool SerialPort::set_device(const QString& device) {
  if (port_.isOpen()) return false;
  device_ = device;
  return true;
}

bool SerialPort::open() {
  lost_ = false;
  refused_ = false;
  if (port_.isOpen() || device_.isEmpty()) return false;
  port_.setPortName(device_);
  if (!port_.open(QIODevice::ReadWrite)) {
    // The toolkit reports a held lock and a refused permission alike; the device's own access
    // rights tell them apart.
    const QByteArray path = QFile::encodeName(device_);
    refused_ = ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
    return false;
  }
  const bool lines_ok = port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
                        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
                        port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!lines_ok) {
    port_.close();
    return false;
  }
  // The cable takes its power from DTR and RTS. A pseudo-terminal has neither line and
  // refuses them; the bytes still pass, so that is no failure.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  port_.clearError();
  return true;
}

void SerialPort::close() {
  if (port_.isOpen()) port_.close();
}

bool SerialPort::is_open() const { return port_.isOpen(); }

void SerialPort::purge() {
  if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

bool SerialPort::send(const QByteArray& bytes) {
  if (!port_.isOpen()) return false;
  const bool queued = port_.write(bytes) == bytes.size();
  // Out now rather than at the next turn of the event loop, so the records keep their pace.
  port_.flush();
  return queued;
}

bool SerialPort::read_byte(std::uint8_t& out) {
  if (!port_.isOpen()) return false;
  char c = 0;
  if (port_.read(&c, 1) != 1) return false;
  out = static_cast<std::uint8_t>(c);
  return true;
}

void SerialPort::on_error(QSerialPort::SerialPortError e) {
  // A vanished device keeps reporting read errors as fast as it can; closing stops that.
  if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError || e == QSerialPort::WriteError) {
    if (port_.isOpen()) {
      lost_ = true;
      port_.close();
    }
  }
}

}  // namespace tirel
