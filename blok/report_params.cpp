#include "blok/report_params.h"

#include "blok/settings.h"

namespace tirel {
namespace {

constexpr const char* kChannelStems[] = {"f_rx", "st_rx", "f_tx", "st_tx", "pow", "band", "skan", "busy"};

}  // namespace

ReportParams report_params(const WindowView& view) {
  ReportParams p;
  p.reserve(173);
  p.emplace_back("model", blok_text::kModelName);
  p.emplace_back("frq", band_text(view));
  p.emplace_back("po", blok_text::kSheetProgramLine);
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow& row = view.rows[static_cast<std::size_t>(n - 1)];
    const std::string num = std::to_string(n);
    p.emplace_back("no_kan" + num, row.off_ticked ? blok_text::kSheetTick : "");
    p.emplace_back("no_tx" + num, row.inhibit_ticked ? blok_text::kSheetTick : "");
    for (std::size_t c = 0; c < 8; ++c) p.emplace_back(kChannelStems[c] + num, row.cells[c]);
  }
  // The sheet lists the settings in the page's order: osn1, osn5, osn6, osn7, osn13, osn8 .. osn12.
  for (int k = 0; k < static_cast<int>(settings().size()); ++k)
    p.emplace_back(settings()[static_cast<std::size_t>(k)].report_name, setting_entry_text(view, k));
  return p;
}

}  // namespace tirel
