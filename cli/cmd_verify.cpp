// tirel12-cli verify: reads the radio and says whether it holds the parameter file's set.
#include "cli/commands.h"
#include "cli/radio_check.h"
#include "cli/radio_port.h"
#include "link/exchanges.h"
#include "link/verify.h"

namespace tirel::cli {

int check_radio(Invocation& inv, const QString& device, const Blok& set, const std::string& decimal_sep) {
  ReadBuffer rb;
  const auto r = run_exchange(inv, device, [&](Port& port, Waits& waits, ProgressSink& bar) {
    return read_radio(port, waits, bar, rb);
  });
  if (!r) return kExitFailed;
  if (*r != ExchangeResult::ok) return exchange_failed(inv, Operation::read, *r, device);
  const RadioCheck c = verify_read(rb, set, decimal_sep);
  for (const std::string& line : verify_report(c)) inv.out << line << '\n';
  return c.identical() ? kExitOk : kExitFailed;
}

int cmd_verify(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--port", nullptr, true}, {"--decimal-separator", nullptr, true}});
  int code = kExitOk;
  const auto job = set_for_radio(inv, p, code);
  if (!job) return code;

  const auto app = ensure_event_loop();
  return check_radio(inv, job->device, job->set, job->decimal_sep);
}

}  // namespace tirel::cli
