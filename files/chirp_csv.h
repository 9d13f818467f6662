#pragma once
// Channel lists in CHIRP's generic CSV: each row checked against a parameter set, the chosen rows
// put into channels as the window's editors would store them, and a set written in that form.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"
#include "blok/subtone.h"

namespace tirel::chirp {

// The words of the Comment column that stand for the two channel flags CHIRP has no column for.
inline constexpr const char* kShiftWord = "freq shift";
inline constexpr const char* kBusyLockWord = "busy lock";

struct Row {
  int line = 0;              // 1-based line of the file where the row starts
  std::string location;      // as written
  std::optional<int> location_number;
  std::string name;
  std::int64_t rx_hz = 0;
  std::int64_t tx_hz = 0;    // the receive frequency when the transmitter is off
  bool tx_off = false;       // Duplex "off": the transmitter is inhibited
  ToneChoice rx_tone;        // as the sub-tone dialog would be given it
  ToneChoice tx_tone;
  bool narrow = false;       // NFM: 12.5 kHz
  bool scan_skip = false;
  bool shift = false;
  bool busy_lock = false;
  std::vector<std::string> refusals;  // why the row cannot be taken, in words; empty when it can
  std::vector<std::string> notes;     // what is taken differently from what the file says

  bool importable() const { return refusals.empty(); }
};

struct List {
  std::string error;  // a file that cannot be read as a list at all; then there are no rows
  std::vector<Row> rows;
};

// A CHIRP list has a header row with a "Location" and a "Frequency" column.
bool looks_like_chirp(std::string_view text);

// Reads every row and checks it against `base`: its band's limits, 2.5 kHz steps, the sub-tone
// tables, the widths, shifts and tone modes the radio has.
[[nodiscard]] List read_list(std::string_view text, const Blok& base);

// The rows taken when nobody chooses: the first importable ones, as many as fit from `first_channel`.
std::vector<std::size_t> default_choice(const List& list, int first_channel);

// How many rows fit from channel `first_channel` on.
constexpr int channels_from(int first_channel) { return kChannelCount - first_channel + 1; }

struct Applied {
  bool ok = false;
  std::string error;
  Blok blok{};
};

// Puts the chosen rows (indexes into list.rows, in file order) into channels first_channel,
// first_channel+1, ...; switches off the channels after the last one and keeps everything else.
// All or nothing: a row that cannot be taken, or too many rows, changes nothing.
[[nodiscard]] Applied apply_rows(const Blok& base, const List& list, const std::vector<std::size_t>& chosen,
                                 int first_channel);

struct Export {
  std::string text;
  std::vector<std::string> notes;  // channel values that have no CHIRP form and were left out
};

// One row per channel that is on, in CHIRP's newer 21-column form.
Export export_list(const Blok& b);

// How a row is shown in the choice of rows and on the command line.
std::string frequency_text(std::int64_t hz);  // "446.006250"
std::string tone_text(const ToneChoice& t);   // "-", "CTCSS 88.5", "DCS 023N", "DCS 023I"
std::string row_summary(const Row& r);        // "446.006250 / 446.006250, CTCSS 88.5 / -, 12,5 кГц"

}  // namespace tirel::chirp
