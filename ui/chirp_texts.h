#pragma once
// Captions and messages of CHIRP lists in the window: the choice of rows, the export's kind of file.
namespace tirel::text {

inline constexpr const char* kChirpFilter = "Список каналов CHIRP (*.csv)";
inline constexpr const char* kChirpRowsCaption = "Импорт списка CHIRP";
inline constexpr const char* kChirpRowsIntro =
    "Список каналов CHIRP %1.\nОтмеченные строки будут внесены в каналы по порядку, начиная с выбранного; "
    "каналы после последнего внесённого будут выключены, основные настройки не меняются.";
inline constexpr const char* kChirpRowsHeadings[] = {"Строка", "Location", "Имя", "ПРМ, МГц", "ПРД, МГц",
                                                     "Субтон ПРМ", "Субтон ПРД", "Ширина", "Примечание"};
inline constexpr const char* kChirpTxOff = "передача запрещена";
inline constexpr const char* kChirpNarrow = "12,5 кГц";
inline constexpr const char* kChirpWide = "25 кГц";
inline constexpr const char* kChirpFirstChannel = "С канала:";
inline constexpr const char* kChirpImportButton = "Внести";
inline constexpr const char* kChirpCancelButton = "Отмена";
inline constexpr const char* kChirpTicked = "Отмечено строк: %1, каналы %2";
inline constexpr const char* kChirpRestOff = "; каналы %1 будут выключены";
inline constexpr const char* kChirpNoneTicked = "Не отмечено ни одной строки";
inline constexpr const char* kChirpNoRoom = "Больше %1 строк с канала %2 не поместится";
inline constexpr const char* kChirpExportNotes =
    "Файл %1 записан, но эти значения в CHIRP не записать, их в файле нет:\r%2";
inline constexpr const char* kChirpImportFailed = "Список CHIRP не импортирован, набор параметров не изменён.\r%1\r\r%2";

}  // namespace tirel::text
