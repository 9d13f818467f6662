#pragma once
// What the read and write commands share: the port named on the command line, the progress
// bar on stderr, and the event loop the exchanges wait in.
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "blok/blok.h"
#include "cli/command.h"
#include "link/exchanges.h"
#include "link/progress_sink.h"
#include "link/serial_port.h"

namespace tirel::cli {

// A bar on the error stream, redrawn in place on a terminal: "Чтение данных из радиостанции :
// [####    ] 50%". Into a file or a pipe, where carriage returns only clutter, one line at the end
// says how far it got.
class StderrProgress final : public ProgressSink {
 public:
  explicit StderrProgress(std::ostream& err);
  ~StderrProgress() override;
  void begin(Operation op, int total) override;
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

// What write and verify both take: FILE, --decimal-separator and --port, and the set in FILE.
struct SetForRadio {
  Blok set;
  std::string decimal_sep;
  QString device;
};
// Nothing after telling why; `exit_code` then says how the command ends.
std::optional<SetForRadio> set_for_radio(Invocation& inv, const ParsedArgs& p, int& exit_code);

// One exchange on `device`: the port opened, `exchange` run on it with the bar on stderr, the
// port closed. Nothing when the port would not open (already told on stderr).
using Exchange = std::function<ExchangeResult(Port&, Waits&, ProgressSink&)>;
std::optional<ExchangeResult> run_exchange(Invocation& inv, const QString& device, const Exchange& exchange);

// A failed exchange, on one line: the program's own message for `op` and `r`, what the caller
// adds (`detail`, ending in a full stop), why it failed, and the device it tried:
// "Данные не считаны. … Радиостанция не ответила. Порт: /dev/ttyUSB0". Returns exit 1.
int exchange_failed(Invocation& inv, Operation op, ExchangeResult r, const QString& device,
                    const std::string& detail = {});

}  // namespace tirel::cli
