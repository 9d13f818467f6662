#include "files/channel_paste.h"

#include <algorithm>

#include "blok/layout.h"
#include "files/chirp_csv.h"
#include "files/csv_reader.h"
#include "files/texts.h"

namespace tirel {

namespace {

// Channel n's two records: data bytes 0..7 of each.
constexpr int kFirstData = 4;
constexpr int kSecondData = kRecordSize + 4;

// Our rows have exactly as many cells as the export writes; the first row decides.
bool our_csv_rows(std::string_view text) {
  for (const csv::Row& row : csv::read_csv(text).rows) {
    const bool blank = std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return c.empty(); });
    if (!blank) return row.cells.size() == kCsvColumnCount;
  }
  return false;
}

// Every row of a CHIRP list, all or nothing; the channels below the pasted ones stay as they were.
CsvImport enter_chirp_rows(std::string_view text, const Blok& base, int first_channel) {
  CsvImport r;
  const chirp::List list = chirp::read_list(text, base);
  if (!list.error.empty()) {
    r.errors.push_back({1, 0, list.error});
    return r;
  }
  std::vector<std::size_t> all(list.rows.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  const chirp::Applied applied = chirp::apply_rows(base, list, all, first_channel);
  if (!applied.ok) {
    r.errors.push_back({1, 0, applied.error});
    return r;
  }
  r.ok = true;
  r.blok = applied.blok;
  r.channels = static_cast<int>(all.size());
  for (int n = first_channel + r.channels; n <= kChannelCount; ++n) set_channel_data(r.blok, n, channel_data(base, n));
  return r;
}

}  // namespace

ChannelData channel_data(const Blok& b, int n) {
  ChannelData d{};
  const auto base = static_cast<std::size_t>(layout::channel_base(n));
  std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(base + kFirstData), 8, d.begin());
  std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(base + kSecondData), 8, d.begin() + 8);
  return d;
}

void set_channel_data(Blok& b, int n, const ChannelData& data) {
  const auto base = static_cast<std::size_t>(layout::channel_base(n));
  std::copy_n(data.begin(), 8, b.begin() + static_cast<std::ptrdiff_t>(base + kFirstData));
  std::copy_n(data.begin() + 8, 8, b.begin() + static_cast<std::ptrdiff_t>(base + kSecondData));
}

std::vector<PasteFormat>& paste_formats() {
  static std::vector<PasteFormat> formats{{"CSV", our_csv_rows, import_csv_rows},
                                          {"CHIRP", chirp::looks_like_chirp, enter_chirp_rows}};
  return formats;
}

CsvImport paste_rows(std::string_view text, const Blok& base, int first_channel) {
  for (const PasteFormat& f : paste_formats())
    if (f.recognises(text)) return f.enter(text, base, first_channel);
  CsvImport none;
  none.errors.push_back({1, 0, files_text::kNotChannelRows});
  return none;
}

}  // namespace tirel
