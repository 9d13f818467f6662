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

std::uint8_t put_bits(std::uint8_t old, std::uint8_t mask, int shift, int v) {
  return static_cast<std::uint8_t>((old & ~mask) | ((v << shift) & mask));
}

const std::array<Setting, 10> kSettings{{
    {201, "osn1", "Таймер ограничения непрерывной передачи :", layout::kTimeoutTimer, 0xFF, kTimeout,
     [](std::uint8_t, int i) { return to_bcd(3 * i); }, [](std::uint8_t b) { return from_bcd(b) / 3; }},
    {202, "osn5", "Звуковая сигнализация :", data_offset(66, 4), 0x20, kBeep,
     [](std::uint8_t old, int i) { return put_bits(old, 0x20, 5, i); }, [](std::uint8_t b) { return b >> 5 & 1; }},
    {203, "osn6", "Уровень шумоподавителя :", data_offset(66, 3), 0xFF, kSquelch,
     [](std::uint8_t, int i) { return static_cast<std::uint8_t>(i + 1); }, [](std::uint8_t b) { return b - 1; }},
    {204, "osn7", "Режим энергосбережения :", data_offset(66, 4), 0x08, kPowerSave,
     [](std::uint8_t old, int i) { return put_bits(old, 0x08, 3, i); }, [](std::uint8_t b) { return b >> 3 & 1; }},
    {205, "osn13", "Кнопка \"ШПД\" :", data_offset(65, 0), 0xC0, kSquelchKey,
     [](std::uint8_t old, int i) { return put_bits(old, 0xC0, 6, i); }, [](std::uint8_t b) { return b >> 6 & 3; }},
    {209, "osn8", "Режим сканирования :", data_offset(65, 0), 0x30, kScanMode,
     [](std::uint8_t old, int i) { return put_bits(old, 0x30, 4, i); }, [](std::uint8_t b) { return b >> 4 & 3; }},
    {210, "osn9", "Приоритетный канал :", data_offset(65, 2), 0xFF, kPriority,
     [](std::uint8_t, int i) { return to_bcd(i); }, [](std::uint8_t b) { return from_bcd(b); }},
    {211, "osn10", "Период контроля приоритетного канала :", data_offset(65, 3), 0xFF, kPriorityPeriod,
     [](std::uint8_t, int i) { return to_bcd(i + 3); }, [](std::uint8_t b) { return from_bcd(b) - 3; }},
    {212, "osn11", "Канал передачи при сканировании :", data_offset(65, 1), 0x0F, kScanTxChannel,
     [](std::uint8_t old, int i) { return put_bits(old, 0x0F, 0, i + 1); },
     [](std::uint8_t b) { return (b & 0x0F) - 1; }},
    {213, "osn12", "Таймер возобновления сканирования после окончания приёма :", data_offset(65, 6), 0xFF,
     kResumeDelay, [](std::uint8_t, int i) { return to_bcd(5 * (i + 1)); },
     [](std::uint8_t b) { return from_bcd(b) / 5 - 1; }},
}};

}  // namespace

const std::array<Setting, 10>& settings() { return kSettings; }

const Setting* setting_by_combo(int combo) {
  for (const auto& s : kSettings)
    if (s.combo == combo) return &s;
  return nullptr;
}

std::optional<int> setting_index(const Blok& b, const Setting& s) {
  const int i = s.decode(b[s.offset]);
  if (i < 0 || i >= static_cast<int>(s.entries.size())) return std::nullopt;
  return i;
}

std::string setting_text(const Blok& b, const Setting& s) {
  const auto i = setting_index(b, s);
  return i ? s.entries[static_cast<std::size_t>(*i)] : "";
}

void store_setting(Blok& b, const Setting& s, int i) { b[s.offset] = s.encode(b[s.offset], i); }

}  // namespace tirel
