// tirel12-cli write: writes a parameter file into the radio through the programming cable,
// and with --verify reads it back to check what the radio took.
#include "blok/bands.h"
#include "blok/layout.h"
#include "cli/commands.h"
#include "cli/radio_check.h"
#include "cli/radio_port.h"
#include "cli/texts.h"
#include "link/exchanges.h"
#include "link/texts.h"

namespace tirel::cli {

int cmd_write(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--port", nullptr, true},
                                             {"--verify", nullptr, false},
                                             {"--decimal-separator", nullptr, true}});
  int code = kExitOk;
  const auto job = set_for_radio(inv, p, code);
  if (!job) return code;
  const Blok& b = job->set;

  const auto app = ensure_event_loop();
  QByteArray answer;
  const auto r = run_exchange(inv, job->device, [&](Port& port, Waits& waits, ProgressSink& bar) {
    return write_radio(port, waits, bar, b, &answer);
  });
  if (!r) return kExitFailed;
  if (*r == ExchangeResult::wrong_band)
    return exchange_failed(inv, Operation::write, *r, job->device,
                           text::fill(text::kWrongBandDetail,
                                      {band_name(band_code(b)), band_name(static_cast<std::uint8_t>(answer.at(0)))}));
  if (*r != ExchangeResult::ok) return exchange_failed(inv, Operation::write, *r, job->device);
  inv.out << link_text::kWriteDone.text << '\n';
  return p.has("--verify") ? check_radio(inv, job->device, b, job->decimal_sep) : kExitOk;
}

}  // namespace tirel::cli
