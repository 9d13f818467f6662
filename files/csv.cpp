#include "files/csv.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "blok/bands.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/texts.h"
#include "files/atomic_write.h"
#include "files/csv_cells.h"
#include "files/csv_reader.h"
#include "files/csv_text.h"
#include "files/texts.h"

namespace tirel {

using layout::ChannelFlag;

namespace {

// The columns in the order of the window's table, with its check boxes first.
enum Column { kChannel, kOff, kInhibit, kRxFreq, kRxTone, kTxFreq, kTxTone, kShift, kWidth, kScan, kBusy, kColumns };
static_assert(kColumns == kCsvColumnCount);

constexpr std::array<const char*, kColumns> kHeadings{
    blok_text::kHeadNumber, blok_text::kHeadChannelOff, blok_text::kHeadTxInhibit, blok_text::kHeadRxFrq,
    blok_text::kHeadRxTone, blok_text::kHeadTxFrq,      blok_text::kHeadTxTone,    blok_text::kHeadShift,
    blok_text::kHeadWidth,  blok_text::kHeadScan,       blok_text::kHeadBusyLock};

// After this many the list stops: the file is plainly not what was meant.
constexpr std::size_t kMaxErrors = 100;

const char* yes_no(bool v) { return v ? "yes" : "no"; }
const char* on_off(bool v) { return v ? "on" : "off"; }

// A cell as it may be quoted in a message: control characters and broken UTF-8 shown as "?",
// long texts cut.
std::string shown(std::string_view cell) {
  std::string out;
  const bool utf8 = csv::valid_utf8(cell);
  int chars = 0;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const auto c = static_cast<unsigned char>(cell[i]);
    const bool starts_char = c < 0x80 || (c & 0xC0) == 0xC0;
    if (starts_char && ++chars > 24) return out + files_text::kCutMark;
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && !utf8))
      out += '?';
    else
      out += static_cast<char>(c);
  }
  return out;
}

std::string in_quotes(std::string_view cell) { return files_text::quoted(shown(cell)); }

bool digits_only(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number written with a decimal comma in a file whose cells are split at commas falls apart
// into two cells of digits: the first such pair in a row that has too many cells.
std::optional<std::size_t> split_number(const std::vector<std::string>& cells) {
  for (std::size_t i = 1; i + 1 < cells.size(); ++i)
    if (digits_only(cells[i]) && digits_only(cells[i + 1])) return i;
  return std::nullopt;
}

std::string trimmed_frq_text(std::int64_t hz) {
  std::string s = frq_text(hz);
  return s.substr(s.find_first_not_of(' '));
}

class Importer {
 public:
  Importer(const Blok& base, char separator, csv::Encoding encoding)
      : base_(base), work_(base), separator_(separator), encoding_(encoding) {}

  void header(const csv::Row& row) {
    if (row.cells.size() != kColumns) {
      error(row.line, 0, files_text::csv_header_count_text(static_cast<long>(row.cells.size()), kColumns));
      return;
    }
    for (int c = 0; c < kColumns; ++c)
      if (row.cells[static_cast<std::size_t>(c)] != kHeadings[static_cast<std::size_t>(c)])
        error(row.line, c + 1,
              files_text::csv_heading_text(kHeadings[static_cast<std::size_t>(c)],
                                           in_quotes(row.cells[static_cast<std::size_t>(c)])));
  }

  // `into`: the channel the row goes to whatever its number cell says (pasted rows); 0 takes
  // the channel from that cell.
  void channel_row(const csv::Row& row, int into = 0) {
    line_ = row.line;
    if (row.cells.size() != kColumns) {
      std::string message = files_text::csv_row_count_text(static_cast<long>(row.cells.size()), kColumns);
      const auto split = row.cells.size() > kColumns && separator_ == ',' ? split_number(row.cells) : std::nullopt;
      if (split) {
        const std::string& whole = row.cells[*split];
        const std::string& fraction = row.cells[*split + 1];
        message += files_text::csv_split_number_text(shown(whole), shown(fraction));
      }
      error(line_, 0, message);
      return;
    }
    const std::size_t first_error = errors_.size();
    check_cells(row, into);
    // The cells are checked in the order their values are stored; they are told left to right.
    std::stable_sort(errors_.begin() + static_cast<std::ptrdiff_t>(first_error), errors_.end(),
                     [](const CsvError& a, const CsvError& b) { return a.column < b.column; });
  }

  void check_cells(const csv::Row& row, int into) {
    cells_ = &row.cells;
    const std::string& number = cell(kChannel);
    int n = into;
    for (int k = 1; k <= kChannelCount && into == 0; ++k)
      if (number == std::to_string(k)) n = k;
    if (n == 0) {
      error(line_, kChannel + 1, files_text::csv_channel_number_text(in_quotes(number)));
      return;
    }
    if (const auto seen = rows_.find(n); seen != rows_.end()) {
      error(line_, kChannel + 1, files_text::csv_channel_again_text(n, seen->second));
      return;
    }
    rows_[n] = line_;
    using files_text::kCsvOnOff, files_text::kCsvYesNo;
    flag(n, kOff, ChannelFlag::on, csv::parse_yes_no, kCsvYesNo, true);
    flag(n, kInhibit, ChannelFlag::tx_enabled, csv::parse_yes_no, kCsvYesNo, true);
    flag(n, kShift, ChannelFlag::shift, csv::parse_on_off, kCsvOnOff, false);
    flag(n, kWidth, ChannelFlag::narrow, csv::parse_narrow, files_text::kCsvWidth, false);
    flag(n, kScan, ChannelFlag::scan_skip, csv::parse_on_off, kCsvOnOff, true);
    flag(n, kBusy, ChannelFlag::busy_lock, csv::parse_on_off, kCsvOnOff, false);
    frequency(n, kRxFreq, Dir::rx);
    frequency(n, kTxFreq, Dir::tx);
    tone(n, kRxTone, Dir::rx);
    tone(n, kTxTone, Dir::tx);
  }

  void error(int line, int column, std::string message) {
    if (errors_.size() < kMaxErrors) errors_.push_back({line, column, std::move(message)});
    else truncated_ = true;
  }

  bool has_errors() const { return !errors_.empty(); }

  CsvImport result() {
    if (truncated_) errors_.push_back({line_, 0, files_text::csv_too_many_errors_text(kMaxErrors)});
    CsvImport r;
    r.ok = errors_.empty();
    r.errors = std::move(errors_);
    r.channels = static_cast<int>(rows_.size());
    r.encoding = encoding_;
    if (r.ok) r.blok = work_;
    return r;
  }

 private:
  const std::string& cell(int c) const { return (*cells_)[static_cast<std::size_t>(c)]; }

  // `inverse`: the column shows the opposite of the bit ("Канал выключен" ticked = channel-on clear).
  void flag(int n, int c, ChannelFlag f, std::optional<bool> (*parse)(std::string_view), const char* expected,
            bool inverse) {
    const auto v = parse(cell(c));
    if (!v) {
      error(line_, c + 1, files_text::csv_cell_expected_text(in_quotes(cell(c)), expected));
      return;
    }
    set_channel_flag(work_, n, f, *v != inverse);
  }

  void frequency(int n, int c, Dir d) {
    const auto hz = csv::parse_frequency_cell(cell(c));
    if (!hz) {
      error(line_, c + 1, files_text::csv_not_frequency_text(in_quotes(cell(c))));
      return;
    }
    if (*hz == frequency_hz(base_, n, d)) return;  // the base's own value, whatever its steps
    const auto limits = band_limits(band_code(base_));
    if (!limits) {
      error(line_, c + 1, files_text::csv_unknown_band_text(band_code(base_)));
      return;
    }
    const FrqResult r = store_frq(work_, n, d, *hz, *limits);
    if (r.what == FrqStore::nothing_entered)
      error(line_, c + 1, files_text::kCsvNoFrequency);
    else if (r.what == FrqStore::out_of_range)
      error(line_, c + 1,
            files_text::csv_out_of_range_text(trimmed_frq_text(*hz), trimmed_frq_text(limits->lower),
                                              trimmed_frq_text(limits->upper)));
  }

  void tone(int n, int c, Dir d) {
    const auto t = csv::parse_tone_cell(cell(c));
    if (!t) {
      error(line_, c + 1, files_text::csv_tone_not_listed_text(in_quotes(cell(c))));
      return;
    }
    if (t->canonical == csv::tone_cell(base_, n, d)) return;  // as the base holds it, bytes and all
    if (!t->choice) {
      error(line_, c + 1, files_text::csv_tone_keep_only_text(in_quotes(cell(c))));
      return;
    }
    if (const ToneStoreResult r = store_tone(work_, n, d, *t->choice); !r.ok) error(line_, c + 1, r.error);
  }

  const Blok& base_;
  Blok work_;
  char separator_;
  csv::Encoding encoding_;
  std::vector<CsvError> errors_;
  bool truncated_ = false;
  std::map<int, int> rows_;  // channel -> line of its row
  const std::vector<std::string>* cells_ = nullptr;
  int line_ = 0;
};

bool blank(const csv::Row& row) {
  for (const auto& c : row.cells)
    if (!c.empty()) return false;
  return true;
}

// The text's rows with an importer for them; the importer already holds the error when the
// text is too big or leaves a quote open.
struct ReadRows {
  csv::ReadResult read;
  Importer importer;
};

ReadRows read_rows(std::string_view bytes, const Blok& base) {
  if (bytes.size() > kMaxCsvFileSize) {
    ReadRows r{{}, Importer(base, ',', csv::Encoding::utf8)};
    r.importer.error(1, 0, files_text::kCsvTooBig);
    return r;
  }
  const csv::Text text = csv::decode(bytes);
  csv::ReadResult read = csv::read_csv(text.utf8);
  const char separator = read.separator;
  ReadRows r{std::move(read), Importer(base, separator, text.encoding)};
  if (r.read.open_quote)
    r.importer.error(r.read.open_quote->first, r.read.open_quote->second, files_text::kOpenQuote);
  return r;
}

std::string header_line() {
  std::string out;
  for (int c = 0; c < kColumns; ++c) out += std::string(c ? "," : "") + kHeadings[static_cast<std::size_t>(c)];
  return out + "\r\n";
}

std::string channel_line(const Blok& b, int n) {
  const std::array<std::string, kColumns> cells{
        std::to_string(n),
        yes_no(!channel_flag(b, n, ChannelFlag::on)),
        yes_no(!channel_flag(b, n, ChannelFlag::tx_enabled)),
        csv::frequency_cell(b, n, Dir::rx),
        csv::tone_cell(b, n, Dir::rx),
        csv::frequency_cell(b, n, Dir::tx),
        csv::tone_cell(b, n, Dir::tx),
        on_off(channel_flag(b, n, ChannelFlag::shift)),
        channel_flag(b, n, ChannelFlag::narrow) ? "12.5" : "25",
        on_off(!channel_flag(b, n, ChannelFlag::scan_skip)),
        on_off(channel_flag(b, n, ChannelFlag::busy_lock))};
  std::string out;
  for (int c = 0; c < kColumns; ++c) out += (c ? "," : "") + cells[static_cast<std::size_t>(c)];
  return out + "\r\n";
}

}  // namespace

std::string export_csv(const Blok& b) {
  std::string out = header_line();
  for (int n = 1; n <= kChannelCount; ++n) out += channel_line(b, n);
  return out;
}

std::string export_csv_channel(const Blok& b, int n) { return header_line() + channel_line(b, n); }

std::string csv_encoding_text(const CsvImport& r) {
  return files_text::csv_encoding_text(csv::encoding_name(r.encoding));
}

std::string csv_error_text(const CsvError& e) {
  std::string where = files_text::line_text(e.line);
  if (e.column > 0) where += files_text::kColumnWord + std::to_string(e.column);
  return where + files_text::kWhereSeparator + e.message;
}

CsvImport import_csv(std::string_view bytes, const Blok& base) {
  auto [read, importer] = read_rows(bytes, base);
  if (importer.has_errors()) return importer.result();
  bool header_seen = false;
  for (const csv::Row& row : read.rows) {
    if (blank(row)) continue;
    if (!header_seen) {
      header_seen = true;
      importer.header(row);
      // With the columns in doubt every cell below would be misread: report the header alone.
      if (importer.has_errors()) return importer.result();
      continue;
    }
    importer.channel_row(row);
  }
  if (!header_seen) importer.error(1, 0, files_text::kNoHeader);
  return importer.result();
}

CsvImport import_csv_rows(std::string_view bytes, const Blok& base, int first_channel) {
  auto [read, importer] = read_rows(bytes, base);
  if (importer.has_errors()) return importer.result();
  int next = first_channel;
  bool first = true;
  for (const csv::Row& row : read.rows) {
    if (blank(row)) continue;
    if (std::exchange(first, false) && !row.cells.empty() && row.cells[0] == kHeadings[kChannel]) {
      importer.header(row);
      if (importer.has_errors()) return importer.result();
      continue;
    }
    if (next > kChannelCount) {
      importer.error(row.line, 0, files_text::csv_more_rows_text(first_channel));
      break;
    }
    importer.channel_row(row, next++);
  }
  if (next == first_channel && !importer.has_errors()) importer.error(1, 0, files_text::kCsvNoRows);
  return importer.result();
}

FileResult load_csv_file(const std::filesystem::path& path, std::string& out) {
  std::string text;
  if (FileResult r = read_file_prefix(path, kMaxCsvFileSize + 1, text); !r.ok) return r;
  if (text.size() > kMaxCsvFileSize) return {false, files_text::csv_file_too_big_text(path.string())};
  out = std::move(text);
  return Result::done();
}

FileResult save_csv_file(const std::filesystem::path& path, std::string_view text) {
  return write_file_atomically(path, text);
}

}  // namespace tirel
