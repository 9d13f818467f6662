#include "cli/chirp_import.h"
#include "cli/texts.h"

#include <optional>
#include <utility>
#include <vector>

#include "files/chirp_csv.h"
#include "files/chirp_values.h"
#include "files/param_file.h"

namespace tirel::cli {
namespace {

using Ranges = std::vector<std::pair<int, int>>;

// "23-38,40": Location numbers and ranges of them.
std::optional<Ranges> parse_locations(const std::string& text) {
  Ranges ranges;
  std::size_t from = 0;
  while (from <= text.size()) {
    const auto comma = text.find(',', from);
    const std::string part = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    const auto dash = part.find('-');
    const auto lo = chirp::whole_number(part.substr(0, dash));
    const auto hi = dash == std::string::npos ? lo : chirp::whole_number(part.substr(dash + 1));
    if (!lo || !hi || *lo > *hi) return std::nullopt;
    ranges.emplace_back(*lo, *hi);
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return ranges;
}

bool in_ranges(const Ranges& ranges, std::optional<int> n) {
  if (!n) return false;
  for (const auto& [lo, hi] : ranges)
    if (*n >= lo && *n <= hi) return true;
  return false;
}

std::string row_title(const std::string& csv_path, const chirp::Row& r) {
  const std::string line = std::to_string(r.line);
  return r.name.empty() ? text::fill(text::kChirpRow, {csv_path, line, r.location})
                        : text::fill(text::kChirpNamedRow, {csv_path, line, r.location, r.name});
}

// "3" for one channel, "3–8" for several.
std::string channel_span(int first, int last) {
  return last > first ? std::to_string(first) + "–" + std::to_string(last) : std::to_string(first);
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
  return out;
}

}  // namespace

int import_chirp_list(Invocation& inv, const ParsedArgs& p, const std::string& csv_path, const std::string& csv_text,
                      const Blok& base) {
  int first = 1;
  if (p.has("--first-channel")) {
    const auto n = chirp::whole_number(p.options.at("--first-channel"));
    if (!n || *n < 1 || *n > kChannelCount)
      return fail(inv, text::fill(text::kBadFirstChannel, {p.options.at("--first-channel")}), kExitUsage);
    first = *n;
  }
  std::optional<Ranges> ranges;
  if (p.has("--locations")) {
    ranges = parse_locations(p.options.at("--locations"));
    if (!ranges)
      return fail(inv, text::fill(text::kBadLocations, {p.options.at("--locations")}), kExitUsage);
  }
  const chirp::List list = chirp::read_list(csv_text, base);
  if (!list.error.empty()) return fail(inv, csv_path + ": " + list.error, kExitUsage);

  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    const chirp::Row& r = list.rows[i];
    std::string skipped;
    if (ranges && !in_ranges(*ranges, r.location_number))
      skipped = text::kNotInLocations;
    else if (!r.importable())
      skipped = joined(r.refusals);
    else if (static_cast<int>(chosen.size()) >= chirp::channels_from(first))
      skipped = text::fill(text::kChannelsRanOut,
                           {std::to_string(first), std::to_string(chirp::channels_from(first))});
    if (!skipped.empty()) {
      inv.err << text::fill(text::kChirpRowSkipped, {row_title(csv_path, r), skipped}) << '\n';
      continue;
    }
    for (const std::string& note : r.notes) inv.err << row_title(csv_path, r) << ": " << note << '\n';
    chosen.push_back(i);
  }
  const std::string& out = p.options.at("--output");
  if (chosen.empty()) return fail(inv, text::fill(text::kNoChirpRowImported, {out}), kExitFailed);
  const chirp::Applied applied = chirp::apply_rows(base, list, chosen, first);
  if (!applied.ok) return fail(inv, text::fill(text::kNotWritten, {applied.error, out}), kExitFailed);
  if (const FileResult r = save_param_file(out, applied.blok); !r.ok) return fail(inv, r.error, kExitFailed);
  const int last = first + static_cast<int>(chosen.size()) - 1;
  inv.out << text::fill(text::kChirpImported,
                        {std::to_string(chosen.size()), std::to_string(list.rows.size()), channel_span(first, last)});
  if (last < kChannelCount) inv.out << text::fill(text::kChannelsSwitchedOff, {channel_span(last + 1, kChannelCount)});
  inv.out << text::fill(text::kWritten, {out}) << '\n';
  return kExitOk;
}

}  // namespace tirel::cli
