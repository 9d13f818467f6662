#pragma once
// The programming cable on a serial device: 9600 bit/s, 8N1, no flow control, DTR and RTS on.
#include <QSerialPort>
#include <QString>

#include "link/port.h"

namespace tirel {

class SerialPort final : public Port {
 public:
  SerialPort();
  ~SerialPort() override;

  // The device for the next open ("/dev/ttyUSB0", "COM3"); refused while open.
  bool set_device(const QString& device);
  QString device() const { return device_; }

  bool open() override;
  void close() override;
  bool is_open() const override;
  void purge() override;
  bool send(const QByteArray& bytes) override;
  bool read_byte(std::uint8_t& out) override;
  bool lost() const override { return lost_; }
  // The last open failed because the system does not let this user open the device.
  bool refused() const { return refused_; }

 private:
  void on_error(QSerialPort::SerialPortError e);

  QSerialPort port_;
  QString device_;
  bool lost_ = false;
  bool refused_ = false;
};

}  // namespace tirel
