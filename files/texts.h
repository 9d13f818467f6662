#pragma once
// Every text the file code gives the user: the causes of file errors, and what is wrong in a
// channel table in CSV, a CHIRP list or pasted rows. Quoted values come in already quoted
// (quoted()); frequencies come in as the texts the caller shows.
#include <cstddef>
#include <string>
#include <string_view>

namespace tirel::files_text {

// The causes of file errors, by the system's error.
inline constexpr const char* kNotFound = "Файл не найден";
inline constexpr const char* kPathNotFound = "Путь не найден: часть пути не является папкой";
inline constexpr const char* kAccessDenied = "Доступ запрещён";
inline constexpr const char* kReadOnlyDisk = "Диск защищён от записи";
inline constexpr const char* kDiskFull = "Диск переполнен";
inline constexpr const char* kQuotaExceeded = "Превышена дисковая квота";
inline constexpr const char* kFileTooBig = "Файл слишком велик для этого диска";
inline constexpr const char* kIsFolder = "Указана папка, а не файл";
inline constexpr const char* kNameTooLong = "Слишком длинное имя файла";
inline constexpr const char* kTooManyLinks = "Слишком много символических ссылок в пути";
inline constexpr const char* kTooManyOpenFiles = "Слишком много открытых файлов";
inline constexpr const char* kFileBusy = "Файл занят другой программой";
inline constexpr const char* kDiskIoError = "Ошибка ввода-вывода на диске";
inline constexpr const char* kCrossDevice = "Файл и временный файл оказались на разных дисках";
std::string other_io_error_text(std::string_view system_text);  // "Ошибка ввода-вывода (...)"
// More causes the file code finds itself.
inline constexpr const char* kNoFileHere = "В этой папке нельзя создать файл";
inline constexpr const char* kFolderNotFound = "Папка не найдена";
inline constexpr const char* kNotAFile = "Указано блочное устройство или сокет, а не файл";
std::string file_too_short_text(std::size_t need, std::size_t got);  // "Файл короче 1536 байт (в нём 10 байт)"
std::string too_many_backups_text(const std::string& folder);
// A cause and its file: "Файл не найден: /home/user/Save/a.t12".
std::string failure_text(const std::string& cause, const std::string& path);

// Pieces every list of errors in a table or list uses.
std::string quoted(std::string_view shown);                  // «...»
inline constexpr const char* kCutMark = "…";                 // ends a long quoted value
std::string line_text(int line);                             // "строка 7"
inline constexpr const char* kColumnWord = ", столбец ";     // "строка 7, столбец 3"
inline constexpr const char* kWhereSeparator = ": ";         // "строка 7: ..."
inline constexpr const char* kOpenQuote = "кавычка открыта и не закрыта до конца файла";
inline constexpr const char* kNoHeader = "файл пуст: нет даже строки заголовка";

// The channel table in CSV and pasted rows.
inline constexpr const char* kCsvTooBig = "файл больше 1 МБ — это не таблица каналов";
std::string csv_file_too_big_text(const std::string& path);
std::string csv_encoding_text(std::string_view encoding);  // "Файл CSV прочитан в кодировке UTF-8."
inline constexpr const char* kNotChannelRows =
    "это не строки таблицы каналов: нужны строки CSV, как их даёт «Экспорт в CSV…»";
std::string csv_header_count_text(long count, int need);
std::string csv_heading_text(std::string_view expected, const std::string& found_quoted);
std::string csv_row_count_text(long count, int need);
// Added to the count when a decimal comma split a number into two cells.
std::string csv_split_number_text(const std::string& whole, const std::string& fraction);
std::string csv_channel_number_text(const std::string& quoted);
std::string csv_channel_again_text(int channel, int line);
inline constexpr const char* kCsvYesNo = "yes или no (можно 1 или 0)";
inline constexpr const char* kCsvOnOff = "on или off (можно 1 или 0)";
inline constexpr const char* kCsvWidth = "12.5 или 25";
std::string csv_cell_expected_text(const std::string& quoted, const char* expected);
std::string csv_not_frequency_text(const std::string& quoted);
std::string csv_unknown_band_text(int code);
inline constexpr const char* kCsvNoFrequency = "частота не указана";
std::string csv_out_of_range_text(const std::string& frq, const std::string& lower, const std::string& upper);
std::string csv_tone_not_listed_text(const std::string& quoted);
std::string csv_tone_keep_only_text(const std::string& quoted);
std::string csv_too_many_errors_text(std::size_t shown);
std::string csv_more_rows_text(int first_channel);
inline constexpr const char* kCsvNoRows = "нет ни одной строки канала";

// CHIRP lists. `what` is one of the frequency names below.
inline constexpr const char* kChirpTooBig = "файл больше 1 МБ — это не список каналов";
std::string chirp_no_columns_text(int line);
std::string chirp_row_cells_text(std::size_t cells, std::size_t header);
std::string chirp_location_text(const std::string& quoted);
inline constexpr const char* kChirpRxFrequency = "частота приёма";
inline constexpr const char* kChirpTxFrequency = "частота передачи";
inline constexpr const char* kChirpSplitFrequency = "частота передачи (Offset)";
inline constexpr const char* kChirpOffset = "разнос (Offset)";
std::string chirp_unknown_band_text(const char* what, int code);
std::string chirp_out_of_range_text(const char* what, const std::string& frq, const std::string& lower,
                                    const std::string& upper);
std::string chirp_off_grid_text(const char* what, const std::string& frq);
std::string chirp_too_fine_text(const char* what, const std::string& quoted);
std::string chirp_not_mhz_text(const char* what, const std::string& quoted);
std::string chirp_duplex_text(const std::string& quoted);
std::string chirp_ctcss_text(const std::string& quoted, std::string_view column);
std::string chirp_dcs_text(const std::string& quoted, std::string_view column);
std::string chirp_polarity_text(const std::string& quoted);
std::string chirp_cross_text(const std::string& quoted);
std::string chirp_tone_mode_text(const std::string& quoted);
std::string chirp_mode_text(const std::string& quoted);
inline constexpr const char* kChirpPriorityNote =
    "метку приоритета Skip \"P\" радиостанция не хранит: канал будет сканироваться";
std::string chirp_skip_text(const std::string& quoted);
// Putting chosen rows into channels.
inline constexpr const char* kChirpNoneChosen = "не выбрано ни одной строки";
std::string chirp_too_many_chosen_text(std::size_t chosen, int first_channel, int room);
inline constexpr const char* kChirpBadChoice = "выбрана строка, которую нельзя внести";
std::string chirp_row_refused_text(int line);
// A row in a few words, and the window's table of rows: "передача запрещена", "12,5 кГц".
inline constexpr const char* kChirpTxOff = "передача запрещена";
inline constexpr const char* kChirpNarrow = "12,5 кГц";
inline constexpr const char* kChirpWide = "25 кГц";
// A tone of our own set that CHIRP cannot hold.
inline constexpr const char* kChirpRxWord = "приёма";
inline constexpr const char* kChirpTxWord = "передачи";
std::string chirp_tone_dropped_text(int channel, const char* direction, const std::string& type,
                                    const std::string& value);

}  // namespace tirel::files_text
