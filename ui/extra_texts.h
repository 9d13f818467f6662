#pragma once
// Captions and messages of the commands beyond the original set: checking a radio against the
// set, automatic backups and the channel table in CSV.
namespace tirel::text {

inline constexpr const char* kBackupFailed =
    "Не удалось сохранить резервную копию набора параметров в папке\r%1\r\r%2\r\r"
    "Чтение и запись радиостанции выполняются без резервных копий. "
    "До перезапуска программы это сообщение больше не появится.";
inline constexpr const char* kBackupCaption = "Внимание";

inline constexpr const char* kCsvFilter = "Таблица каналов CSV (*.csv)";
inline constexpr const char* kCsvSuffix = "csv";
inline constexpr const char* kCsvExportCaption = "Экспорт в CSV";
inline constexpr const char* kCsvImportCaption = "Импорт из CSV";
inline constexpr const char* kCsvExportFailed = "Не удалось записать файл CSV\r%1\r\r%2";
inline constexpr const char* kCsvOpenFailed = "Не удалось открыть файл CSV\r%1\r\r%2";
inline constexpr const char* kCsvImportFailed = "Файл CSV не импортирован, набор параметров не изменён.\r%1\r%2\r\r%3";
inline constexpr const char* kCsvMoreErrors = "… и ещё ошибок: %1";

}  // namespace tirel::text
