// tirel12-cli write: writes a parameter file into the radio through the programming cable,
// and with --verify reads it back to check what the radio took.
#include "blok/bands.h"
#include "blok/layout.h"
#include "cli/commands.h"
#include "cli/radio_check.h"
#include "cli/radio_port.h"
#include "link/exchanges.h"

namespace tirel::cli {

int cmd_write(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--port", nullptr, true},
                                             {"--verify", nullptr, false},
                                             {"--decimal-separator", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  const auto file = one_file_argument(inv, p);
  if (!file) return kExitUsage;
  const auto sep = decimal_separator(inv, p);
  if (!sep) return kExitUsage;
  const auto device = port_device_argument(inv, p);
  if (!device) return kExitUsage;
  const auto b = open_param_file(inv, *file);
  if (!b) return kExitFailed;

  const auto app = ensure_event_loop();
  SerialPort port;
  if (!open_port(inv, port, *device)) return kExitFailed;
  LinkWaits waits;
  ExchangeResult r;
  QByteArray answer;
  {
    StderrProgress bar(inv.err);
    r = write_radio(port, waits, bar, *b, &answer);
  }
  switch (r) {
    case ExchangeResult::ok:
      inv.out << msg::kWriteDone.text << '\n';
      return p.has("--verify") ? check_radio(inv, *device, *b, *sep) : kExitOk;
    case ExchangeResult::unsupported_model: return fail_with(inv, msg::kUnsupportedModel, *device);
    case ExchangeResult::wrong_band:
      return fail_with(inv, msg::kWrongBand, *device,
                       ": в файле — " + band_name(band_code(*b)) + ", в радиостанции — " +
                           band_name(static_cast<std::uint8_t>(answer.at(0))) + ".");
    case ExchangeResult::failed: break;
  }
  return fail_with(inv, msg::kWriteFailed, *device);
}

}  // namespace tirel::cli
