// tirel12-cli read: reads the radio through the programming cable into a parameter file.
#include "blok/bands.h"
#include "blok/default_blok.h"
#include "cli/commands.h"
#include "cli/outputs.h"
#include "cli/radio_port.h"
#include "cli/texts.h"
#include "files/param_file.h"
#include "link/exchanges.h"
#include "link/texts.h"

namespace tirel::cli {

int cmd_read(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--port", nullptr, true}, {"--output", "-o", true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  if (!p.positional.empty()) return fail(inv, text::fill(text::kExtraArgument, {p.positional.front()}), kExitUsage);
  if (!p.has("--output")) return fail(inv, text::kNoOutput, kExitUsage);
  const auto device = port_device_argument(inv, p);
  if (!device) return kExitUsage;
  if (output_is_an_input(inv, p.options.at("--output"), {device->toStdString()})) return kExitUsage;

  const auto app = ensure_event_loop();
  ReadBuffer rb;
  const auto r = run_exchange(inv, *device, [&](Port& port, Waits& waits, ProgressSink& bar) {
    return read_radio(port, waits, bar, rb);
  });
  if (!r) return kExitFailed;
  if (*r != ExchangeResult::ok) return exchange_failed(inv, Operation::read, *r, *device);

  // What the program holds after the same read, started afresh.
  Blok b = new_blok(kStartupBand);
  apply_read(rb, b);
  const FileResult saved = save_param_file(p.options.at("--output"), b);
  if (!saved.ok) return fail(inv, saved.error, kExitFailed);
  inv.out << link_text::kReadDone.text << '\n';
  return kExitOk;
}

}  // namespace tirel::cli
