// A parameter set as a CHIRP list: one row per channel that is on, in the newer 21 columns.
#include <array>

#include "blok/frequency.h"
#include "blok/layout.h"
#include "files/chirp_csv.h"
#include "files/csv_cells.h"
#include "files/texts.h"

namespace tirel::chirp {

using layout::ChannelFlag;

namespace {

enum Column {
  kLocation, kName, kFrequency, kDuplex, kOffset, kTone, kRTone, kCTone, kDtcs, kPolarity, kRxDtcs, kCrossMode,
  kMode, kStep, kSkip, kPower, kComment, kUrCall, kRpt1Call, kRpt2Call, kDvCode, kColumns
};

constexpr std::array<const char*, kColumns> kHeadings{
    "Location", "Name",       "Frequency", "Duplex", "Offset", "Tone",  "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",   "TStep",  "Skip",  "Power",     "Comment",   "URCALL",
    "RPT1CALL", "RPT2CALL",   "DVCODE"};

// One direction's sub-tone in CHIRP's terms.
struct Side {
  enum Kind { none, tone, dtcs } kind = none;
  std::string value;  // "88.5" or "023"
  bool inverted = false;
};

const char* direction_word(Dir d) { return d == Dir::rx ? files_text::kChirpRxWord : files_text::kChirpTxWord; }

Side side(const Blok& b, int n, Dir d, std::vector<std::string>& notes) {
  // The CSV cell of our own table names exactly the values of the radio's tables.
  const std::string cell = csv::tone_cell(b, n, d);
  if (cell == "off") return {};
  if (cell.size() == 5 && cell[0] == 'D') return {Side::dtcs, cell.substr(1, 3), cell[4] == 'I'};
  if (cell.starts_with("raw:")) {
    notes.push_back(files_text::chirp_tone_dropped_text(n, direction_word(d), cell.substr(4, 1), cell.substr(6)));
    return {};
  }
  return {Side::tone, cell};
}

void put_tones(std::array<std::string, kColumns>& row, const Side& rx, const Side& tx) {
  row[kPolarity] = std::string(tx.kind == Side::dtcs && tx.inverted ? "R" : "N") +
                   (rx.kind == Side::dtcs && rx.inverted ? "R" : "N");
  if (rx.kind == Side::none && tx.kind == Side::none) return;
  if (rx.kind == Side::none && tx.kind == Side::tone) {
    row[kTone] = "Tone";
    row[kRTone] = tx.value;
    return;
  }
  if (rx.kind == Side::tone && tx.kind == Side::tone && rx.value == tx.value) {
    row[kTone] = "TSQL";
    row[kCTone] = rx.value;
    return;
  }
  if (rx.kind == Side::dtcs && tx.kind == Side::dtcs && rx.value == tx.value) {
    row[kTone] = "DTCS";
    row[kDtcs] = tx.value;
    return;
  }
  row[kTone] = "Cross";
  row[kCrossMode] = std::string(tx.kind == Side::tone ? "Tone" : tx.kind == Side::dtcs ? "DTCS" : "") + "->" +
                    (rx.kind == Side::tone ? "Tone" : rx.kind == Side::dtcs ? "DTCS" : "");
  if (tx.kind == Side::tone) row[kRTone] = tx.value;
  if (tx.kind == Side::dtcs) row[kDtcs] = tx.value;
  if (rx.kind == Side::tone) row[kCTone] = rx.value;
  if (rx.kind == Side::dtcs) row[kRxDtcs] = rx.value;
}

std::array<std::string, kColumns> channel_row(const Blok& b, int n, std::vector<std::string>& notes) {
  std::array<std::string, kColumns> row{};
  row[kLocation] = std::to_string(n);
  const std::int64_t rx = frequency_hz(b, n, Dir::rx);
  const std::int64_t tx = frequency_hz(b, n, Dir::tx);
  row[kFrequency] = frequency_text(rx);
  row[kOffset] = frequency_text(0);
  if (!channel_flag(b, n, ChannelFlag::tx_enabled)) {
    row[kDuplex] = "off";
  } else if (tx != rx) {
    row[kDuplex] = tx > rx ? "+" : "-";
    row[kOffset] = frequency_text(tx > rx ? tx - rx : rx - tx);
  }
  // CHIRP's fillers for the tone columns a row does not use.
  row[kRTone] = row[kCTone] = "88.5";
  row[kDtcs] = row[kRxDtcs] = "023";
  row[kCrossMode] = "Tone->Tone";
  put_tones(row, side(b, n, Dir::rx, notes), side(b, n, Dir::tx, notes));
  row[kMode] = channel_flag(b, n, ChannelFlag::narrow) ? "NFM" : "FM";
  row[kStep] = rx % 6250 == 0 ? "6.25" : "2.50";
  row[kSkip] = channel_flag(b, n, ChannelFlag::scan_skip) ? "S" : "";
  std::string comment;
  if (channel_flag(b, n, ChannelFlag::shift)) comment = kShiftWord;
  if (channel_flag(b, n, ChannelFlag::busy_lock)) comment += std::string(comment.empty() ? "" : "; ") + kBusyLockWord;
  row[kComment] = comment;
  return row;
}

std::string line(const std::array<std::string, kColumns>& cells) {
  std::string out;
  for (std::size_t c = 0; c < cells.size(); ++c) out += (c ? "," : "") + cells[c];
  return out + "\r\n";
}

}  // namespace

Export export_list(const Blok& b) {
  Export e;
  std::array<std::string, kColumns> header;
  for (std::size_t c = 0; c < header.size(); ++c) header[c] = kHeadings[c];
  e.text = line(header);
  for (int n = 1; n <= kChannelCount; ++n)
    if (channel_flag(b, n, ChannelFlag::on)) e.text += line(channel_row(b, n, e.notes));
  return e;
}

}  // namespace tirel::chirp
