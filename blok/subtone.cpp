#include "blok/subtone.h"

#include <optional>
#include <vector>

#include "blok/layout.h"
#include "blok/texts.h"

namespace tirel {

const std::array<const char*, 50> kCtcssTones{
    "67,0",  "69,3",  "71,9",  "74,4",  "77,0",  "79,7",  "82,5",  "85,4",  "88,5",  "91,5",
    "94,8",  "97,4",  "100,0", "103,5", "107,2", "110,9", "114,8", "118,8", "123,0", "127,3",
    "131,8", "136,5", "141,3", "146,2", "151,4", "156,7", "159,8", "162,2", "165,5", "167,9",
    "171,3", "173,8", "177,3", "179,9", "183,5", "186,2", "189,9", "192,8", "196,6", "199,5",
    "203,5", "206,5", "210,7", "218,1", "225,7", "229,1", "233,6", "241,8", "250,3", "254,1"};

const std::array<const char*, 83> kDcsCodes{
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072", "073", "074",
    "114", "115", "116", "125", "131", "132", "134", "143", "152", "155", "156", "162", "165", "172",
    "174", "205", "223", "226", "243", "244", "245", "251", "261", "263", "265", "271", "306", "311",
    "315", "331", "343", "346", "351", "364", "365", "371", "411", "412", "413", "423", "431", "432",
    "445", "464", "465", "466", "503", "506", "516", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

namespace {

// The kTone* constants are the type byte masked to the type's bits: the type number moved up.
constexpr int kTypeShift = layout::place(layout::Field::rx_tone_type).shift;

}  // namespace

std::uint8_t tone_type(const Blok& b, int n, Dir d) {
  return static_cast<std::uint8_t>(get_field(b, layout::tone_type_field(d), n) << kTypeShift);
}

std::uint16_t tone_value(const Blok& b, int n, Dir d) {
  return static_cast<std::uint16_t>(get_field(b, layout::tone_value_field(d), n));
}

std::string ctcss_number_text(std::uint16_t v, std::string_view decimal_sep) {
  const int tenths = 1000 * (v >> 12 & 0xF) + 100 * (v >> 8 & 0xF) + 10 * (v >> 4 & 0xF) + (v & 0xF);
  return std::to_string(tenths / 10) + std::string(decimal_sep) + std::to_string(tenths % 10);
}

std::string dcs_number_text(std::uint16_t v) {
  const int code = 100 * (v >> 6 & 0xF) + 10 * (v >> 3 & 0x7) + (v & 0x7);
  return (code < 100 ? "0" : "") + std::to_string(code);
}

std::string blok_to_stone_str(const Blok& b, int n, Dir d, std::string_view decimal_sep) {
  const std::uint8_t t = tone_type(b, n, d);
  const std::uint16_t v = tone_value(b, n, d);
  switch (t) {
    case kToneOff: return blok_text::kToneOffText;
    case kToneCtcss: return blok_text::kToneCtcssPrefix + ctcss_number_text(v, decimal_sep);
    case kToneDcs: return blok_text::kToneDcsPrefix + dcs_number_text(v);
    case kToneDcsInverted: return blok_text::kToneDcsInvertedPrefix + dcs_number_text(v);
    default: return blok_text::unknown_tone_type_text(t >> 4);
  }
}

namespace {

// The characters of a typed text. Positions count characters as the user sees them, so a
// Cyrillic letter typed as the separator (two bytes in UTF-8) still takes one position.
std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t len = 1;
    while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80) ++len;
    out.push_back(text.substr(i, len));
    i += len;
  }
  return out;
}

// Character `pos` (counted from 1) as a decimal digit.
std::optional<int> digit_at(const std::vector<std::string_view>& chars, std::size_t pos) {
  if (pos == 0 || pos > chars.size()) return std::nullopt;
  const std::string_view c = chars[pos - 1];
  if (c.size() != 1 || c[0] < '0' || c[0] > '9') return std::nullopt;
  return c[0] - '0';
}

std::optional<long long> whole_decimal(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

ToneStoreResult not_a_number(std::string_view text) {
  return {false, blok_text::tone_not_valid_text(text)};
}

void write(Blok& b, int n, Dir d, std::uint8_t type, std::uint8_t high, std::uint8_t low) {
  set_field(b, layout::tone_type_field(d), type >> kTypeShift, n);
  set_field(b, layout::tone_bit7_field(d), 0, n);
  set_field(b, layout::tone_value_field(d), static_cast<std::uint32_t>(high << 8 | low), n);
}

}  // namespace

ToneStoreResult store_tone(Blok& b, int n, Dir d, const ToneChoice& choice) {
  switch (choice.kind) {
    case ToneKind::off:
      write(b, n, d, kToneOff, 0, 0);
      return {true, {}};
    case ToneKind::ctcss: {
      const std::string_view t = choice.ctcss_text;
      const auto c = characters(t);
      // "67,0": digits 1, 2, 4; "100,0": digits 1, 2, 3, 5. The separator is never read.
      const bool short_tone = c.size() == 4;
      const auto d1 = digit_at(c, 1), d2 = digit_at(c, 2);
      const auto d3 = short_tone ? std::optional<int>(0) : digit_at(c, 3);
      const auto last = digit_at(c, short_tone ? 4 : 5);
      if (!d1 || !d2 || !d3 || !last) return not_a_number(t);
      const int high = short_tone ? *d1 : *d1 * 16 + *d2;
      const int low = short_tone ? *d2 * 16 + *last : *d3 * 16 + *last;
      write(b, n, d, kToneCtcss, static_cast<std::uint8_t>(high % 256), static_cast<std::uint8_t>(low % 256));
      return {true, {}};
    }
    case ToneKind::dcs: {
      const std::string_view t = choice.dcs_text;
      const auto whole = whole_decimal(t);
      const auto c = characters(t);
      const auto d1 = digit_at(c, 1), d2 = digit_at(c, 2), d3 = digit_at(c, 3);
      if (!whole || !d1 || !d2 || !d3) return not_a_number(t);
      const std::uint8_t high = *whole > 400 ? 1 : 0;
      const auto low = static_cast<std::uint8_t>((*d1 * 64 + *d2 * 8 + *d3) % 256);
      write(b, n, d, choice.inverted ? kToneDcsInverted : kToneDcs, high, low);
      return {true, {}};
    }
  }
  return {false, blok_text::kUnknownToneKind};
}

}  // namespace tirel
