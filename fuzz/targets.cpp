#include "fuzz/targets.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "blok/bands.h"
#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/report_params.h"
#include "blok/subtone.h"
#include "blok/window_view.h"
#include "files/config_ini.h"

namespace tirel::fuzz {
namespace {

// A broken invariant is a finding: stop loudly so the fuzzer keeps the input.
void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

void param_file(const std::uint8_t* data, std::size_t size) {
  if (size < static_cast<std::size_t>(kBlokSize)) return;
  Blok b{};
  std::copy(data, data + kBlokSize, b.begin());
  const Blok before = b;
  for (std::string_view sep : {",", "."}) {
    const WindowView view = view_after_open(b, sep);
    const ReportParams params = report_params(view);
    check(params.size() == 173);
  }
  check(b == before);
}

void config_ini(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Config defaults;
  const Config read = parse_config(bytes, defaults);
  const Config changed{read.programmer_mode ^ 1, read.port_index + 1, read.x - 7, read.y + 3};
  const std::string written = render_config(bytes, changed);
  const Config again = parse_config(written, defaults);
  check(again.programmer_mode == changed.programmer_mode && again.port_index == changed.port_index &&
        again.x == changed.x && again.y == changed.y);
  check(render_config(written, changed) == written);
  for (int n = 1; n <= 4; ++n) (void)configured_port_device(bytes, n);
}

void entry_texts(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Blok b = new_blok(1);
  if (const auto hz = parse_frq_entry(text)) {
    const Blok before = b;
    const FrqResult r = store_frq(b, 1, Dir::rx, *hz, *band_limits(1));
    if (r.what != FrqStore::stored) check(b == before);
    if (r.what == FrqStore::stored) check(frequency_hz(b, 1, Dir::rx) == r.stored_hz);
  }
  for (ToneKind kind : {ToneKind::ctcss, ToneKind::dcs}) {
    const Blok before = b;
    ToneChoice choice{kind, std::string(text), std::string(text), size % 2 == 1};
    const ToneStoreResult r = store_tone(b, 16, Dir::tx, choice);
    if (!r.ok) check(b == before);
    (void)blok_to_stone_str(b, 16, Dir::tx, ",");
  }
}

}  // namespace tirel::fuzz
