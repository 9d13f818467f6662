// tirel12-cli show: the parameter set as the main window shows it, as a text table.
#include <array>
#include <string>
#include <vector>

#include "blok/settings.h"
#include "blok/texts.h"
#include "blok/window_view.h"
#include "cli/commands.h"
#include "cli/texts.h"

namespace tirel::cli {
namespace {

std::string pad_right(const std::string& s, std::size_t width) {
  const std::size_t w = text_width(s);
  return w >= width ? s : s + std::string(width - w, ' ');
}

std::string pad_left(const std::string& s, std::size_t width) {
  const std::size_t w = text_width(s);
  return w >= width ? s : std::string(width - w, ' ') + s;
}

void print_channels(std::ostream& out, const WindowView& view) {
  std::vector<std::array<std::string, 11>> rows;
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow& r = view.rows[static_cast<std::size_t>(n - 1)];
    std::array<std::string, 11> row;
    row[0] = channel_number_text(n);
    row[1] = r.off_ticked ? "V" : "";
    row[2] = r.inhibit_ticked ? "V" : "";
    for (std::size_t c = 0; c < r.cells.size(); ++c) row[c + 3] = r.cells[c];
    rows.push_back(row);
  }
  std::array<std::size_t, 11> width{};
  for (std::size_t c = 0; c < width.size(); ++c) {
    width[c] = text_width(text::kShowHeadings[c]);
    for (const auto& row : rows) width[c] = std::max(width[c], text_width(row[c]));
  }
  auto print_row = [&](const auto& cells) {
    std::string line;
    for (std::size_t c = 0; c < width.size(); ++c) line += (c ? "  " : "") + pad_right(cells[c], width[c]);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
  };
  std::array<std::string, 11> heading;
  for (std::size_t c = 0; c < heading.size(); ++c) heading[c] = text::kShowHeadings[c];
  print_row(heading);
  for (const auto& row : rows) print_row(row);
}

void print_settings(std::ostream& out, const WindowView& view) {
  std::size_t label_width = 0;
  for (const Setting& s : settings()) label_width = std::max(label_width, text_width(s.label));
  for (std::size_t k = 0; k < settings().size(); ++k) {
    // The page's two group frames: radio parameters (201..205) and scan parameters (209..213).
    if (k == 0) out << text::kShowRadioGroup << '\n';
    if (k == 5) out << text::kShowScanGroup << '\n';
    out << "  " << pad_left(settings()[k].label, label_width) << ' ' << setting_entry_text(view, static_cast<int>(k))
        << '\n';
  }
}

}  // namespace

int cmd_show(Invocation& inv) {
  const ParsedArgs p = parse_args(inv.args, {{"--decimal-separator", nullptr, true}});
  if (!p.error.empty()) return fail(inv, p.error, kExitUsage);
  const auto file = one_file_argument(inv, p);
  if (!file) return kExitUsage;
  const auto sep = decimal_separator(inv, p);
  if (!sep) return kExitUsage;
  const auto b = open_param_file(inv, *file);
  if (!b) return kExitFailed;

  const WindowView view = view_after_open(*b, *sep);
  inv.out << text::kShowFile << *file << '\n'
          << text::kShowModel << blok_text::kModelName << '\n'
          << text::kShowBand << band_text(view) << '\n'
          << '\n'
          << text::kShowChannels << '\n';
  print_channels(inv.out, view);
  inv.out << '\n' << text::kShowSettings << '\n';
  print_settings(inv.out, view);
  return kExitOk;
}

}  // namespace tirel::cli
