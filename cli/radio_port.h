#pragma once
// What the read and write commands share: the port named on the command line, the progress
// bar on stderr, and the event loop the exchanges wait in.
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "link/messages.h"
#include "link/progress_sink.h"
#include "link/serial_port.h"

#include <QCoreApplication>

namespace tirel::cli {

// A bar on the error stream, redrawn in place on a terminal: "Чтение данных из радиостанции :
// [####    ] 50%". Into a file or a pipe, where carriage returns only clutter, one line at the end
// says how far it got.
class StderrProgress final : public ProgressSink {
 public:
  explicit StderrProgress(std::ostream& err);
  ~StderrProgress() override;
  void begin(const QString& caption, const QString& label, int maximum) override;
  void advance(int position, const QString& percent) override;

 private:
  std::ostream& err_;
  std::string label_;
  int maximum_ = 1;
  bool drawn_ = false;
  bool terminal_;
  std::string last_percent_;
};

// The exchanges wait in Qt's event loop; a command without one makes its own.
std::unique_ptr<QCoreApplication> ensure_event_loop();

// "--port" as a device path or COMn (COMn as the program maps it, config.ini included);
// the port opened on it, or none after telling why.
std::optional<QString> port_device_argument(Invocation& inv, const ParsedArgs& p);
bool open_port(Invocation& inv, SerialPort& port, const QString& device);

// The program's own message for a failed exchange, on one line, with what it adds (`detail`,
// ending in a full stop) and the device it tried: "… Порт: /dev/ttyUSB0".
int fail_with(Invocation& inv, const LinkMessage& m, const QString& device, const std::string& detail = {});

}  // namespace tirel::cli
