#pragma once
// The six things an exchange asks of the serial line to the programming cable.
#include <QByteArray>
#include <cstdint>

namespace tirel {

class Port {
 public:
  virtual ~Port() = default;
  // Opens the device chosen beforehand with the radio's line settings; false if it cannot.
  [[nodiscard]] virtual bool open() = 0;
  virtual void close() = 0;  // nothing on a closed port
  virtual bool is_open() const = 0;
  // Discards what has arrived and what is still waiting to go out.
  virtual void purge() = 0;
  // Queues the bytes; they leave in order. False (and nothing sent) on a closed port.
  virtual bool send(const QByteArray& bytes) = 0;
  // The oldest received byte, if one is waiting; never waits.
  virtual bool read_byte(std::uint8_t& out) = 0;
  // True once the device has gone away during the exchange (cable pulled); the port is closed then.
  virtual bool lost() const = 0;
};

}  // namespace tirel
