#include "link/verify.h"

#include <QString>

#include "blok/bands.h"
#include "blok/layout.h"
#include "link/texts.h"

namespace tirel {
namespace {

inline constexpr int kFixedTableFirstPosition = 37;  // a read brings record 69 at position 37

std::vector<std::string> refusals(const ReadBuffer& rb, const Blok& set) {
  std::vector<std::string> out;
  if (rb.answer.size() < 2) return out;
  const int band = static_cast<std::uint8_t>(rb.answer[0]);
  const int model = static_cast<std::uint8_t>(rb.answer[1]);
  if (model > 2)
    out.push_back(link_text::kUnsupportedModel.one_line() + link_text::kVerifyModelCode + std::to_string(model) + ".");
  if (band != band_code(set))
    out.push_back(link_text::kWrongBand.one_line() + ": " + band_name(band_code(set)) + " → " + band_name(band));
  return out;
}

std::vector<std::string> fixed_table(const ReadBuffer& rb, const Blok& set) {
  std::vector<std::string> out;
  for (int r = layout::kFixedTable.first; r <= layout::kFixedTable.last; ++r) {
    const int p = kFixedTableFirstPosition + (r - layout::kFixedTable.first);
    const auto sent = record(set, r);
    for (int i = 0; i < kRecordSize; ++i) {
      const std::uint8_t got = rb.records[static_cast<std::size_t>((p - 1) * kRecordSize + i)];
      const std::uint8_t want = sent[static_cast<std::size_t>(i)];
      if (got != want) out.push_back(link_text::fixed_table_byte_line(r, record_address(r), i, want, got));
    }
  }
  return out;
}

}  // namespace

RadioCheck verify_read(const ReadBuffer& rb, const Blok& set, std::string_view decimal_sep) {
  Blok expected = set;
  expected[layout::kTimeoutTimer] = wire::timer_byte_from_radio(expected[layout::kTimeoutTimer]);
  Blok radio = expected;
  apply_read(rb, radio);
  return {refusals(rb, set), compare_bloks(expected, radio, decimal_sep), fixed_table(rb, set)};
}

std::vector<std::string> verify_report(const RadioCheck& c, std::size_t max_lines) {
  if (c.identical()) return {link_text::kVerifyMatches};
  std::vector<std::string> out{link_text::kVerifyDiffers};
  std::vector<std::string> lines = c.refusals;
  lines.insert(lines.end(), c.kept.lines.begin(), c.kept.lines.end());
  if (const std::string note = hidden_note(c.kept); !note.empty()) lines.push_back(note);
  lines.insert(lines.end(), c.fixed_table.begin(), c.fixed_table.end());
  const std::size_t shown = max_lines > 0 && lines.size() > max_lines ? max_lines - 1 : lines.size();
  out.insert(out.end(), lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(shown));
  if (shown < lines.size()) out.push_back(link_text::kVerifyMore + std::to_string(lines.size() - shown));
  // The advice is what a technician does next, so a cut list keeps it.
  if (!c.fixed_table.empty()) out.push_back(link_text::kFixedTableAdvice);
  return out;
}

}  // namespace tirel
