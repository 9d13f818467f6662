#include "blok/settings.h"

#include "blok/layout.h"

namespace tirel {
namespace {

constexpr const char* kTimeout[] = {"Выключен",   "30 секунд",  "60 секунд",  "90 секунд",
                                    "120 секунд", "150 секунд", "180 секунд", "210 секунд",
                                    "240 секунд", "270 секунд", "300 секунд"};
constexpr const char* kBeep[] = {"Выключена", "Включена"};
constexpr const char* kSquelch[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* kPowerSave[] = {"Выключен", "Включен"};
constexpr const char* kSquelchKey[] = {"Выключена", "Временное откл. тонового ШПД",
                                       "Перекл. режимов тонового ШПД", "Временное откл. ШПД"};
constexpr const char* kScanMode[] = {"Выключен", "По несущей", "По времени"};
constexpr const char* kPriority[] = {"Выключен", "1 канал",  "2 канал",  "3 канал",  "4 канал", "5 канал",
                                     "6 канал",  "7 канал",  "8 канал",  "9 канал",  "10 канал", "11 канал",
                                     "12 канал", "13 канал", "14 канал", "15 канал"};
// Eight of these are written with a Latin "c" (0x63) in the radio's program; kept as they are.
constexpr const char* kPriorityPeriod[] = {
    "0,3 секунды", "0,4 cекунды", "0,5 cекунд",  "0,6 cекунд",  "0,7 cекунд",  "0,8 cекунд",
    "0,9 cекунд",  "1,0 cекунды", "1,1 cекунды", "1,2 секунды", "1,3 секунды", "1,4 секунды",
    "1,5 секунды", "1,6 секунды", "1,7 секунды", "1,8 секунды", "1,9 секунды", "2,0 секунды",
    "2,1 секунды", "2,2 секунды", "2,3 секунды", "2,4 секунды", "2,5 секунды", "2,6 секунды",
    "2,7 секунды", "2,8 секунды", "2,9 секунды", "3,0 секунды", "3,1 секунды", "3,2 секунды",
    "3,3 секунды", "3,4 секунды", "3,5 секунды", "3,6 секунды", "3,7 секунды", "3,8 секунды",
    "3,9 секунды", "4,0 секунды", "4,1 секунды", "4,2 секунды", "4,3 секунды", "4,4 секунды",
    "4,5 секунды", "4,6 секунды", "4,7 секунды", "4,8 секунды", "4,9 секунды", "5,0 секунд"};
constexpr const char* kScanTxChannel[] = {"Последний приёмный канал", "Последний передающий канал",
                                          "Первый канал в списке скан.", "Приоритетный канал"};
constexpr const char* kResumeDelay[] = {"0,5 секунды", "1,0 секунды", "1,5 секунды", "2,0 секунды",
                                        "2,5 секунды", "3,0 секунды", "3,5 секунды", "4,0 секунды",
                                        "4,5 секунды", "5,0 секунд"};

using layout::Field;

constexpr Setting setting(int combo, const char* report_name, const char* label, Field f,
                          std::span<const char* const> entries, int (*stored_for)(int), int (*entry_for)(int)) {
  const layout::Bit bit = layout::bit_of(f);
  return {combo, report_name, label, f, bit.offset, bit.mask, entries, stored_for, entry_for};
}

int bcd(int v) { return from_bcd(static_cast<std::uint8_t>(v)); }

// The value rules of the lists; where each value lies is the memory map's business.
const std::array<Setting, 10> kSettings{{
    setting(201, "osn1", "Таймер ограничения непрерывной передачи :", Field::tx_timeout, kTimeout,
            [](int i) -> int { return to_bcd(3 * i); }, [](int v) { return bcd(v) / 3; }),
    setting(202, "osn5", "Звуковая сигнализация :", Field::key_beep, kBeep, [](int i) { return i; },
            [](int v) { return v; }),
    setting(203, "osn6", "Уровень шумоподавителя :", Field::squelch_level, kSquelch, [](int i) { return i + 1; },
            [](int v) { return v - 1; }),
    setting(204, "osn7", "Режим энергосбережения :", Field::power_saving, kPowerSave, [](int i) { return i; },
            [](int v) { return v; }),
    setting(205, "osn13", "Кнопка \"ШПД\" :", Field::squelch_key, kSquelchKey, [](int i) { return i; },
            [](int v) { return v; }),
    setting(209, "osn8", "Режим сканирования :", Field::scan_mode, kScanMode, [](int i) { return i; },
            [](int v) { return v; }),
    setting(210, "osn9", "Приоритетный канал :", Field::priority_channel, kPriority,
            [](int i) -> int { return to_bcd(i); }, [](int v) { return bcd(v); }),
    setting(211, "osn10", "Период контроля приоритетного канала :", Field::priority_period, kPriorityPeriod,
            [](int i) -> int { return to_bcd(i + 3); }, [](int v) { return bcd(v) - 3; }),
    setting(212, "osn11", "Канал передачи при сканировании :", Field::scan_tx_channel, kScanTxChannel,
            [](int i) { return i + 1; }, [](int v) { return v - 1; }),
    setting(213, "osn12", "Таймер возобновления сканирования после окончания приёма :", Field::scan_resume_delay,
            kResumeDelay, [](int i) -> int { return to_bcd(5 * (i + 1)); }, [](int v) { return bcd(v) / 5 - 1; }),
}};

}  // namespace

const std::array<Setting, 10>& settings() { return kSettings; }

const Setting* setting_by_combo(int combo) {
  for (const auto& s : kSettings)
    if (s.combo == combo) return &s;
  return nullptr;
}

std::uint8_t Setting::encode(std::uint8_t old_byte, int i) const {
  const auto v = static_cast<std::uint32_t>(stored_for(i));
  return static_cast<std::uint8_t>(layout::put_bits(old_byte, layout::place(field), v));
}

int Setting::decode(std::uint8_t byte) const {
  return entry_for(static_cast<int>(layout::take_bits(byte, layout::place(field))));
}

std::optional<int> setting_index(const Blok& b, const Setting& s) {
  const int i = s.entry_for(static_cast<int>(get_field(b, s.field)));
  if (i < 0 || i >= static_cast<int>(s.entries.size())) return std::nullopt;
  return i;
}

std::string setting_text(const Blok& b, const Setting& s) {
  const auto i = setting_index(b, s);
  return i ? s.entries[static_cast<std::size_t>(*i)] : "";
}

void store_setting(Blok& b, const Setting& s, int i) {
  set_field(b, s.field, static_cast<std::uint32_t>(s.stored_for(i)));
}

}  // namespace tirel
