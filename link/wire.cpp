#include "link/wire.h"

#include <QString>
#include <algorithm>

#include "blok/bands.h"
#include "blok/layout.h"

namespace tirel::wire {

std::optional<int> blok_record_for_position(int p) {
  if (layout::kChannelRecords.contains(p)) return p;
  if (p == 33) return layout::kSettingsRecord1;
  if (p == 34) return layout::kSettingsRecord2;
  if (p == kReadRecords) return layout::kBandRecord;
  return std::nullopt;
}

int radio_record_for_position(int p) {
  if (p >= 35 && p <= 56) return p + 32;
  return blok_record_for_position(p).value_or(0);
}

const std::array<Send, kWriteSends>& write_sends() {
  static const std::array<Send, kWriteSends> sends = [] {
    std::array<Send, kWriteSends> s{};
    int i = 0;
    for (int r = layout::kChannelRecords.first; r <= layout::kChannelRecords.last; ++r) s[i++] = {r, true};
    s[i++] = {layout::kSettingsRecord1, false};
    s[i++] = {layout::kSettingsRecord2, false};
    for (int r = layout::kFixedTable.first; r <= layout::kFixedTable.last; ++r) s[i++] = {r, true};
    s[i++] = {layout::kBandRecord, false};
    s[i++] = {layout::kBandRecord, false};
    return s;
  }();
  return sends;
}

std::uint8_t timer_byte_from_radio(std::uint8_t radio) { return radio == 0xFF ? 0 : radio; }
std::uint8_t timer_byte_to_radio(std::uint8_t blok) { return blok == 0 ? 0xFF : blok; }

QByteArray record_for_radio(const Blok& b, int record) {
  QByteArray out(reinterpret_cast<const char*>(b.data() + record_offset(record)), kRecordSize);
  if (record == layout::kSettingsRecord1) {
    const int i = layout::kTimeoutTimer - record_offset(record);
    out[i] = static_cast<char>(timer_byte_to_radio(b[layout::kTimeoutTimer]));
  }
  return out;
}

QString percent_text(int position, int maximum) {
  return QString::number(position * 100 / maximum) + QLatin1Char('%');
}

}  // namespace tirel::wire

namespace tirel {

void apply_read(const ReadBuffer& rb, Blok& b) {
  for (int p = 1; p <= wire::kReadRecords; ++p) {
    const auto r = wire::blok_record_for_position(p);
    if (!r) continue;
    const auto from = rb.records.begin() + (p - 1) * kRecordSize;
    std::copy(from, from + kRecordSize, b.begin() + record_offset(*r));
  }
  b[layout::kTimeoutTimer] = wire::timer_byte_from_radio(b[layout::kTimeoutTimer]);
}

std::optional<int> answered_band(const ReadBuffer& rb) {
  if (rb.answer.isEmpty()) return std::nullopt;
  const int code = static_cast<std::uint8_t>(rb.answer[0]);
  if (code >= kBandCount) return std::nullopt;
  return code;
}

}  // namespace tirel
