#pragma once
// Texts of the "Правка" menu, the names of undo steps, the channel clipboard and the list of
// recent files.
namespace tirel::text {

inline constexpr const char* kEditMenu = "Правка";
inline constexpr const char* kUndo = "Отменить";
inline constexpr const char* kRedo = "Повторить";
inline constexpr const char* kStepSeparator = ": ";
inline constexpr const char* kCopyChannel = "Копировать канал";
inline constexpr const char* kPasteChannel = "Вставить канал";

// Names of undo steps; %1 is the channel number.
inline constexpr const char* kStepRxFrq = "частота приема, канал %1";
inline constexpr const char* kStepRxTone = "субтон приема, канал %1";
inline constexpr const char* kStepTxFrq = "частота передачи, канал %1";
inline constexpr const char* kStepTxTone = "субтон передачи, канал %1";
inline constexpr const char* kStepShift = "сдвиг частоты, канал %1";
inline constexpr const char* kStepWidth = "ширина канала, канал %1";
inline constexpr const char* kStepScan = "сканирование, канал %1";
inline constexpr const char* kStepBusyLock = "запрет передачи на занятом канале, канал %1";
inline constexpr const char* kStepChannelOff = "выключение канала %1";
inline constexpr const char* kStepChannelOn = "включение канала %1";
inline constexpr const char* kStepTxInhibit = "запрет передачи, канал %1";
inline constexpr const char* kStepTxAllow = "разрешение передачи, канал %1";
inline constexpr const char* kStepBand = "частотный диапазон";
inline constexpr const char* kStepRead = "чтение параметров";
inline constexpr const char* kStepCsvImport = "импорт из CSV";
inline constexpr const char* kStepPaste = "вставка канала %1";
inline constexpr const char* kStepPasteMany = "вставка каналов %1–%2";

inline constexpr const char* kPasteCaption = "Вставка канала";
inline constexpr const char* kPasteEmpty =
    "В буфере обмена нет канала: сначала скопируйте канал («Копировать канал») или строки таблицы каналов CSV.";
inline constexpr const char* kPasteFailed = "Текст из буфера обмена не вставлен, набор параметров не изменён.\r\r%1";

inline constexpr const char* kCsvMoreErrorsOnPaste = "… и ещё ошибок: %1";

inline constexpr const char* kRecentCaption = "Недавние файлы";
inline constexpr const char* kRecentMissing = "Файл\r%1\rне найден. Он удалён из списка недавних файлов.";

}  // namespace tirel::text
