#pragma once
// Every text the parameter block's code gives the user: the program's name and version, the
// channel table's cells and headings, the tone and band texts, and the sentences that tell two
// sets apart. The settings' captions and list entries stay with their settings in settings.cpp,
// the band names with their band codes in bands.cpp.
#include <string>
#include <string_view>

#include "blok/version.h"

namespace tirel::blok_text {

// The program's name and version: the window's caption, the about box and the sheet.
inline constexpr const char* kModelName = "Тирель-12";
inline constexpr const char* kProgramLine = "ПО Тирель-12";
inline constexpr const char* kVersionLine = "Версия " TIREL12_VERSION;
inline constexpr const char* kWindowCaption = "ПО Тирель-12   Версия " TIREL12_VERSION;
inline constexpr const char* kSheetProgramLine = "ПО Тирель-12  Версия " TIREL12_VERSION;

// The channel table's cells; the leading blanks place them in their columns.
inline constexpr const char* kOnText = "   Включен";
inline constexpr const char* kOffText = "  Выключен";
inline constexpr const char* kNarrowText = "  12,5 кГц";
inline constexpr const char* kWideText = "   25 кГц";
inline constexpr const char* kToneOffText = " Выключен";
inline constexpr const char* kToneCtcssPrefix = "  CTC ";
inline constexpr const char* kToneDcsPrefix = "   DCS ";
inline constexpr const char* kToneDcsInvertedPrefix = "  -DCS ";
// A tone type the program never writes: "  Тип 2 ?".
std::string unknown_tone_type_text(int type);
// The parameter sheet's tick for a ticked box.
inline constexpr const char* kSheetTick = "V";

// The channel table's column headings, as the window and the CSV file head them.
inline constexpr const char* kHeadNumber = "№";
inline constexpr const char* kHeadChannelOff = "Канал выключен";
inline constexpr const char* kHeadTxInhibit = "Запрет передачи";
inline constexpr const char* kHeadRxFrq = "Частота ПРМ (МГц)";
inline constexpr const char* kHeadRxTone = "Субтон ПРМ";
inline constexpr const char* kHeadTxFrq = "Частота ПРД (МГц)";
inline constexpr const char* kHeadTxTone = "Субтон ПРД";
inline constexpr const char* kHeadShift = "Сдвиг частоты";
inline constexpr const char* kHeadWidth = "Ширина канала";
inline constexpr const char* kHeadScan = "Сканирование";
inline constexpr const char* kHeadBusyLock = "Запрет передачи на занятом канале";

// A band code outside the band list: "неизвестный (код 7)".
std::string unknown_band_text(int code);

// A tone entry the radio cannot take.
std::string tone_not_valid_text(std::string_view entered);
inline constexpr const char* kUnknownToneKind = "Неизвестный вид субтона";

// The differences between two sets, one line each: "Канал 3: частота ПРМ 150,000000 → 151,000000".
inline constexpr const char* kDiffArrow = " → ";
inline constexpr const char* kDiffBand = "Диапазон:";
inline constexpr const char* kDiffYes = "да";
inline constexpr const char* kDiffNo = "нет";
inline constexpr const char* kDiffRx = "ПРМ";
inline constexpr const char* kDiffTx = "ПРД";
inline constexpr const char* kDiffFrequency = "частота ";
inline constexpr const char* kDiffTone = "субтон ";
inline constexpr const char* kDiffChannelOff = "канал выключен:";
inline constexpr const char* kDiffTxInhibit = "запрет передачи:";
inline constexpr const char* kDiffShift = "сдвиг частоты:";
inline constexpr const char* kDiffWidth = "ширина канала:";
inline constexpr const char* kDiffScan = "сканирование:";
inline constexpr const char* kDiffBusyLock = "запрет передачи на занятом канале:";
std::string diff_channel_text(int n);                  // "Канал 3: "
std::string diff_empty_setting_text(unsigned byte);    // "(пусто, байт 0xFF)"
// "Различаются байты, которых окно не показывает: смещение 19 (запись 2, байт 7), ... и ещё 3".
inline constexpr const char* kDiffHiddenHead = "Различаются байты, которых окно не показывает:";
std::string diff_hidden_offset_text(int offset, int record, int byte);  // "смещение 19 (запись 2, байт 7)"
std::string diff_hidden_more_text(std::size_t count);                   // " и ещё 3"

}  // namespace tirel::blok_text
