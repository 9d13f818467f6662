#include "blok/compare.h"

#include <array>

#include "blok/bands.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/settings.h"
#include "blok/subtone.h"
#include "blok/texts.h"

namespace tirel {

using layout::ChannelFlag;
using namespace blok_text;

namespace {

constexpr std::size_t kHiddenShown = 12;

std::string trimmed(std::string s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string{} : s.substr(first);
}

class Comparer {
 public:
  Comparer(const Blok& a, const Blok& b) : a_(a), b_(b) {}

  // Records a line when the texts differ and counts the fields' bits (of channel n) as accounted for.
  void field(const std::string& what, const std::string& ta, const std::string& tb,
             std::initializer_list<layout::Field> fields, int n = 1) {
    if (ta == tb) return;
    lines_.push_back(what + " " + ta + kDiffArrow + tb);
    for (const layout::Field f : fields)
      for (const layout::Bit& bit : layout::bits_of(f, n)) explained_[static_cast<std::size_t>(bit.offset)] |= bit.mask;
  }

  Comparison finish() {
    Comparison c;
    c.lines = std::move(lines_);
    for (int i = 0; i < kBlokSize; ++i) {
      const auto k = static_cast<std::size_t>(i);
      if ((a_[k] ^ b_[k]) & ~explained_[k]) c.hidden_offsets.push_back(i);
    }
    return c;
  }

 private:
  const Blok& a_;
  const Blok& b_;
  std::vector<std::string> lines_;
  std::array<std::uint8_t, kBlokSize> explained_{};
};

const char* yes_no(bool v) { return v ? kDiffYes : kDiffNo; }

std::string flag_text(const Blok& b, int n, ChannelFlag f) {
  const bool v = channel_flag(b, n, f);
  switch (f) {
    case ChannelFlag::on: return yes_no(!v);
    case ChannelFlag::tx_enabled: return yes_no(!v);
    case ChannelFlag::narrow: return trimmed(v ? kNarrowText : kWideText);
    case ChannelFlag::scan_skip: return trimmed(v ? kOffText : kOnText);
    case ChannelFlag::shift:
    case ChannelFlag::busy_lock: return trimmed(v ? kOnText : kOffText);
  }
  return {};
}

std::string setting_shown(const Blok& b, const Setting& s) {
  std::string text = setting_text(b, s);
  if (!text.empty()) return text;
  return diff_empty_setting_text(b[static_cast<std::size_t>(s.offset)]);
}

std::string setting_name(const Setting& s) {
  std::string label = s.label;
  if (label.ends_with(" :")) label.resize(label.size() - 2);
  return label + ":";
}

}  // namespace

Comparison compare_bloks(const Blok& a, const Blok& b, std::string_view sep) {
  Comparer cmp(a, b);
  cmp.field(kDiffBand, band_name(band_code(a)), band_name(band_code(b)), {layout::Field::band_code});

  struct FlagColumn {
    ChannelFlag flag;
    const char* name;
  };
  constexpr FlagColumn kFlagsBefore[] = {{ChannelFlag::on, kDiffChannelOff},
                                         {ChannelFlag::tx_enabled, kDiffTxInhibit}};
  constexpr FlagColumn kFlagsAfter[] = {{ChannelFlag::shift, kDiffShift},
                                        {ChannelFlag::narrow, kDiffWidth},
                                        {ChannelFlag::scan_skip, kDiffScan},
                                        {ChannelFlag::busy_lock, kDiffBusyLock}};
  for (int n = 1; n <= kChannelCount; ++n) {
    const std::string ch = diff_channel_text(n);
    for (const auto& f : kFlagsBefore)
      cmp.field(ch + f.name, flag_text(a, n, f.flag), flag_text(b, n, f.flag), {layout::flag_field(f.flag)}, n);
    for (const Dir d : {Dir::rx, Dir::tx}) {
      const char* dir = d == Dir::rx ? kDiffRx : kDiffTx;
      cmp.field(ch + kDiffFrequency + dir, trimmed(blok_to_frq_str(a, n, d)), trimmed(blok_to_frq_str(b, n, d)),
                {layout::step_count_field(d), layout::step_flag_field(d)}, n);
      cmp.field(ch + kDiffTone + dir, trimmed(blok_to_stone_str(a, n, d, sep)),
                trimmed(blok_to_stone_str(b, n, d, sep)),
                {layout::tone_type_field(d), layout::tone_value_field(d)}, n);
    }
    for (const auto& f : kFlagsAfter)
      cmp.field(ch + f.name, flag_text(a, n, f.flag), flag_text(b, n, f.flag), {layout::flag_field(f.flag)}, n);
  }

  for (const Setting& s : settings())
    cmp.field(setting_name(s), setting_shown(a, s), setting_shown(b, s), {s.field});
  return cmp.finish();
}

std::string hidden_note(const Comparison& c) {
  if (c.hidden_offsets.empty()) return {};
  std::string note = kDiffHiddenHead;
  for (std::size_t i = 0; i < c.hidden_offsets.size() && i < kHiddenShown; ++i) {
    const int off = c.hidden_offsets[i];
    note += (i ? ", " : " ") + diff_hidden_offset_text(off, off / kRecordSize + 1, off % kRecordSize);
  }
  if (c.hidden_offsets.size() > kHiddenShown)
    note += diff_hidden_more_text(c.hidden_offsets.size() - kHiddenShown);
  return note;
}

}  // namespace tirel
