// Reading a CHIRP list: every row checked against the base set, with the reasons in words.
#include <algorithm>
#include <map>

#include "blok/bands.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "files/chirp_csv.h"
#include "files/chirp_values.h"
#include "files/csv.h"
#include "files/csv_reader.h"
#include "files/csv_text.h"
#include "files/texts.h"

namespace tirel::chirp {
namespace {

using Columns = std::map<std::string, std::size_t, std::less<>>;

std::optional<Columns> header_columns(const csv::Row& row) {
  Columns columns;
  for (std::size_t i = 0; i < row.cells.size(); ++i) columns.emplace(row.cells[i], i);
  if (!columns.count("Location") || !columns.count("Frequency")) return std::nullopt;
  return columns;
}

bool blank(const csv::Row& row) {
  return std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return c.empty(); });
}

std::string in_quotes(std::string_view s) { return files_text::quoted(s); }

class RowReader {
 public:
  RowReader(const Columns& columns, std::size_t header_size, const Blok& base)
      : columns_(columns), header_size_(header_size), limits_(band_limits(band_code(base))), band_(band_code(base)) {}

  Row read(const csv::Row& cells) {
    row_ = Row{};
    row_.line = cells.line;
    cells_ = &cells.cells;
    row_.location = cell("Location");
    row_.name = cell("Name");
    if (cells.cells.size() < header_size_) {
      refuse(files_text::chirp_row_cells_text(cells.cells.size(), header_size_));
      return std::move(row_);
    }
    row_.location_number = whole_number(row_.location);
    if (!row_.location_number) refuse(files_text::chirp_location_text(in_quotes(row_.location)));
    frequencies();
    tones();
    mode();
    skip();
    const std::string comment = cell("Comment");
    row_.shift = comment.find(kShiftWord) != std::string::npos;
    row_.busy_lock = comment.find(kBusyLockWord) != std::string::npos;
    return std::move(row_);
  }

 private:
  bool has(std::string_view column) const { return columns_.find(column) != columns_.end(); }

  std::string cell(std::string_view column) const {
    const auto it = columns_.find(column);
    if (it == columns_.end() || it->second >= cells_->size()) return {};
    return (*cells_)[it->second];
  }

  // A cell read for both directions is told once.
  void refuse(std::string why) {
    if (std::find(row_.refusals.begin(), row_.refusals.end(), why) == row_.refusals.end())
      row_.refusals.push_back(std::move(why));
  }

  // A frequency the radio holds as it is: inside the band, whole 2.5 kHz or 6.25 kHz steps.
  void check_frequency(std::int64_t hz, const char* what) {
    if (!limits_) {
      refuse(files_text::chirp_unknown_band_text(what, band_));
      return;
    }
    if (hz < limits_->lower || hz > limits_->upper) {
      refuse(files_text::chirp_out_of_range_text(what, frequency_text(hz), frequency_text(limits_->lower),
                                                 frequency_text(limits_->upper)));
      return;
    }
    if (!on_step_grid(hz))
      refuse(files_text::chirp_off_grid_text(what, frequency_text(hz)));
  }

  std::optional<std::int64_t> megahertz(std::string_view column, const char* what) {
    const std::string text = cell(column);
    const MhzText m = parse_mhz(text);
    if (m.what == MhzText::ok) return m.hz;
    if (m.what == MhzText::finer_than_hz)
      refuse(files_text::chirp_too_fine_text(what, in_quotes(text)));
    else
      refuse(files_text::chirp_not_mhz_text(what, in_quotes(text)));
    return std::nullopt;
  }

  void frequencies() {
    const auto rx = megahertz("Frequency", files_text::kChirpRxFrequency);
    if (rx) check_frequency(*rx, files_text::kChirpRxFrequency);
    const std::string duplex = cell("Duplex");
    std::optional<std::int64_t> tx;
    if (duplex.empty() || duplex == "off") {
      tx = rx;
      row_.tx_off = duplex == "off";
    } else if (duplex == "+" || duplex == "-" || duplex == "split") {
      const auto offset = megahertz("Offset", duplex == "split" ? files_text::kChirpSplitFrequency : files_text::kChirpOffset);
      if (offset && duplex == "split") tx = offset;
      if (offset && rx && duplex != "split") tx = duplex == "+" ? *rx + *offset : *rx - *offset;
      if (tx) check_frequency(*tx, files_text::kChirpTxFrequency);
    } else {
      refuse(files_text::chirp_duplex_text(in_quotes(duplex)));
    }
    row_.rx_hz = rx.value_or(0);
    row_.tx_hz = tx.value_or(0);
  }

  ToneChoice ctcss(std::string_view column) {
    const std::string text = cell(column);
    if (const auto t = ctcss_entry(text)) return ctcss_choice(*t);
    refuse(files_text::chirp_ctcss_text(in_quotes(text), column));
    return {};
  }

  // `side` 0 reads the transmit letter of DtcsPolarity, 1 the receive letter.
  ToneChoice dcs(std::string_view column, int side) {
    const std::string text = cell(column);
    const auto code = dcs_entry(text);
    if (!code) {
      refuse(files_text::chirp_dcs_text(in_quotes(text), column));
      return {};
    }
    const std::string polarity = has("DtcsPolarity") ? cell("DtcsPolarity") : "NN";
    if (polarity.size() != 2 || std::any_of(polarity.begin(), polarity.end(), [](char c) { return c != 'N' && c != 'R'; })) {
      refuse(files_text::chirp_polarity_text(in_quotes(polarity)));
      return {};
    }
    return dcs_choice(*code, polarity[static_cast<std::size_t>(side)] == 'R');
  }

  void tones() {
    const std::string mode = cell("Tone");
    // The receive code of a cross mode; older lists have no RxDtcsCode and use DtcsCode.
    const char* rx_dcs = has("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode";
    if (mode.empty()) return;
    if (mode == "Tone") {
      row_.tx_tone = ctcss("rToneFreq");
    } else if (mode == "TSQL") {
      row_.tx_tone = row_.rx_tone = ctcss("cToneFreq");
    } else if (mode == "DTCS") {
      row_.tx_tone = dcs("DtcsCode", 0);
      row_.rx_tone = dcs("DtcsCode", 1);
    } else if (mode == "Cross") {
      const std::string cross = has("CrossMode") && !cell("CrossMode").empty() ? cell("CrossMode") : "Tone->Tone";
      const auto arrow = cross.find("->");
      const std::string tx = arrow == std::string::npos ? cross : cross.substr(0, arrow);
      const std::string rx = arrow == std::string::npos ? "" : cross.substr(arrow + 2);
      const bool known = arrow != std::string::npos && (tx.empty() || tx == "Tone" || tx == "DTCS") &&
                         (rx.empty() || rx == "Tone" || rx == "DTCS") && !(tx.empty() && rx.empty());
      if (!known) {
        refuse(files_text::chirp_cross_text(in_quotes(cross)));
        return;
      }
      if (tx == "Tone") row_.tx_tone = ctcss("rToneFreq");
      if (tx == "DTCS") row_.tx_tone = dcs("DtcsCode", 0);
      if (rx == "Tone") row_.rx_tone = ctcss("cToneFreq");
      if (rx == "DTCS") row_.rx_tone = dcs(rx_dcs, 1);
    } else {
      refuse(files_text::chirp_tone_mode_text(in_quotes(mode)));
    }
  }

  void mode() {
    // A list without a Mode column is FM, as CHIRP itself assumes.
    const std::string mode = has("Mode") ? cell("Mode") : "FM";
    if (mode == "NFM")
      row_.narrow = true;
    else if (mode != "FM")
      refuse(files_text::chirp_mode_text(in_quotes(mode)));
  }

  void skip() {
    const std::string skip = cell("Skip");
    if (skip == "S") {
      row_.scan_skip = true;
    } else if (skip == "P") {
      row_.notes.push_back(files_text::kChirpPriorityNote);
    } else if (!skip.empty()) {
      refuse(files_text::chirp_skip_text(in_quotes(skip)));
    }
  }

  const Columns& columns_;
  std::size_t header_size_;
  std::optional<BandLimits> limits_;
  int band_;
  const std::vector<std::string>* cells_ = nullptr;
  Row row_;
};

}  // namespace

bool looks_like_chirp(std::string_view text) {
  for (const csv::Row& row : csv::read_csv(csv::decode(text).utf8).rows) {
    if (blank(row)) continue;
    return header_columns(row).has_value();
  }
  return false;
}

List read_list(std::string_view text, const Blok& base) {
  List list;
  if (text.size() > kMaxCsvFileSize) {
    list.error = files_text::kChirpTooBig;
    return list;
  }
  // A list saved by a spreadsheet on a Russian system may be Windows-1251 with semicolons.
  const csv::ReadResult read = csv::read_csv(csv::decode(text).utf8);
  if (read.open_quote) {
    list.error = files_text::line_text(read.open_quote->first) + files_text::kWhereSeparator + files_text::kOpenQuote;
    return list;
  }
  std::optional<Columns> columns;
  std::size_t header_size = 0;
  for (const csv::Row& row : read.rows) {
    if (blank(row)) continue;
    if (!columns) {
      columns = header_columns(row);
      if (!columns) {
        list.error = files_text::chirp_no_columns_text(row.line);
        return list;
      }
      header_size = row.cells.size();
      continue;
    }
    list.rows.push_back(RowReader(*columns, header_size, base).read(row));
  }
  if (!columns) list.error = files_text::kNoHeader;
  return list;
}

std::vector<std::size_t> default_choice(const List& list, int first_channel) {
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    if (static_cast<int>(chosen.size()) >= channels_from(first_channel)) break;
    if (list.rows[i].importable()) chosen.push_back(i);
  }
  return chosen;
}

}  // namespace tirel::chirp
