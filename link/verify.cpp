#include "link/verify.h"

#include "blok/layout.h"

namespace tirel {

Comparison verify_read(const ReadBuffer& rb, const Blok& set, std::string_view decimal_sep) {
  Blok expected = set;
  expected[layout::kTimeoutTimer] = wire::timer_byte_from_radio(expected[layout::kTimeoutTimer]);
  Blok radio = expected;
  apply_read(rb, radio);
  return compare_bloks(expected, radio, decimal_sep);
}

std::vector<std::string> verify_report(const Comparison& c, std::size_t max_lines) {
  if (c.identical()) return {kVerifyMatches};
  std::vector<std::string> out{kVerifyDiffers};
  std::vector<std::string> lines = c.lines;
  if (const std::string note = hidden_note(c); !note.empty()) lines.push_back(note);
  const std::size_t shown = max_lines > 0 && lines.size() > max_lines ? max_lines - 1 : lines.size();
  out.insert(out.end(), lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(shown));
  if (shown < lines.size()) out.push_back("… и ещё различий: " + std::to_string(lines.size() - shown));
  return out;
}

}  // namespace tirel
