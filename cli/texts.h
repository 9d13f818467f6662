#pragma once
// Every text of tirel12-cli: the help, the usage errors and the results. "%1", "%2"… stand for
// what a message names (a file, an option, a number), put in by fill(). The radio link's own
// messages, which the window shows too, are in link/texts.h.
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tirel::cli::text {

// `pattern` with %1..%9 replaced by `values` in order; a number without a value stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// Every message on the error stream begins with the tool's name.
inline constexpr const char* kToolPrefix = "tirel12-cli: ";

// The help.
inline constexpr const char* kUsage =
    "Использование: tirel12-cli КОМАНДА [АРГУМЕНТЫ]\n       tirel12-cli --version\n\nКоманды:\n";
inline constexpr const char* kCommandUsage = "Использование: tirel12-cli %1 %2\n%3\n";
inline constexpr const char* kBandsHeading = "\nДиапазоны:\n";
inline constexpr const char* kHelpNotes =
    "\n--decimal-separator C задаёт десятичный разделитель в текстах субтонов "
    "(по умолчанию — разделитель системы).\n"
    "PORT вида COMn — устройство, которое называет раздел [Ports] файла ./config.ini, иначе /dev/ttyUSB(n-1),\n"
    "/dev/ttyACM(n-1) или /dev/ttyS(n-1).\n"
    "Файл результата не может быть одним из входных файлов команды (кроме --base у import-csv).\n"
    "Код выхода: 0 — выполнено, 1 — ошибка файла или обмена с радиостанцией, 2 — ошибка в командной строке.\n";
inline constexpr const char* kNewSummary =
    "записать набор параметров по умолчанию для диапазона N (0..5, по умолчанию 1)";
inline constexpr const char* kParamsSummary =
    "173 параметра листа печати: имя, табуляция, значение, как их показывает главное окно";
inline constexpr const char* kShowSummary = "набор параметров таблицей: диапазон, 16 каналов, основные настройки";
inline constexpr const char* kExportCsvSummary =
    "таблица каналов в CSV (UTF-8); с --chirp — список каналов CHIRP; без -o — на стандартный вывод";
inline constexpr const char* kImportCsvSummary =
    "каналы из CSV в копию набора FILE, записать в OUT; при любой ошибке в ячейке ничего не пишется. "
    "Список CHIRP узнаётся по заголовку: вносятся строки --locations (иначе первые подходящие) с канала N, "
    "пропущенные перечисляются; код выхода 0 — внесена хотя бы одна, 1 — ни одной, 2 — негодный файл";
inline constexpr const char* kDiffSummary =
    "различия двух наборов словами; код выхода 0 — одинаковы, 1 — различаются, 2 — ошибка";
inline constexpr const char* kReadSummary =
    "прочитать радиостанцию через кабель программатора в файл (PORT: /dev/ttyUSB0 или COM1)";
inline constexpr const char* kWriteSummary =
    "записать файл в радиостанцию через кабель программатора; с --verify затем прочитать её и сверить с файлом";
inline constexpr const char* kVerifySummary =
    "прочитать радиостанцию и сверить с файлом: код выхода 0 — соответствует, 1 — различается или не прочитана";
inline constexpr const char* kPrintSummary = "лист параметров для печати в файл PDF (A4, одна страница)";

// The command line itself.
inline constexpr const char* kUnknownCommand = "Неизвестная команда «%1»; список команд: tirel12-cli --help";
inline constexpr const char* kUnknownOption = "Неизвестный параметр «%1»";
inline constexpr const char* kOptionTwice = "Параметр «%1» указан дважды";
inline constexpr const char* kOptionTakesNoValue = "Параметр «%1» не принимает значения";
inline constexpr const char* kOptionNeedsValue = "После «%1» нужно значение";
inline constexpr const char* kOptionEmpty = "Пустое значение параметра «%1»";
inline constexpr const char* kBadSeparator = "Параметр «--decimal-separator» ждёт ровно один символ, а не «%1»";
inline constexpr const char* kBadBand = "Номер диапазона должен быть от 0 до %1, а не «%2»";
inline constexpr const char* kBadFirstChannel = "Параметр «--first-channel» ждёт номер канала от 1 до 16, а не «%1»";
inline constexpr const char* kBadLocations =
    "Параметр «--locations» ждёт номера Location и диапазоны через запятую, например 23-38,40, а не «%1»";
inline constexpr const char* kChirpOptionsOnly =
    "Параметры «--locations» и «--first-channel» — только для списков CHIRP, а «%1» не такой список";
inline constexpr const char* kNoParamFile = "Не указан файл параметров";
inline constexpr const char* kExtraAfterFile = "Лишние аргументы после имени файла";
inline constexpr const char* kExtraArgument = "Лишний аргумент «%1»";
inline constexpr const char* kNoOutput = "Не указан файл: -o FILE";
inline constexpr const char* kNoCsvFile = "Не указан файл CSV";
inline constexpr const char* kExtraAfterCsv = "Лишние аргументы после имени файла CSV";
inline constexpr const char* kNoBase = "Не указан исходный набор: --base FILE";
inline constexpr const char* kNoResultFile = "Не указан файл результата: -o FILE";
inline constexpr const char* kNoPdf = "Не указан файл PDF (--pdf ФАЙЛ)";
inline constexpr const char* kTwoFiles = "Нужны два файла параметров: diff A.t12 B.t12";
inline constexpr const char* kNoPort = "Не указан порт: --port /dev/ttyUSB0 или --port COM1";
inline constexpr const char* kNoSuchPort = "Нет порта «%1»";

// Files and streams.
inline constexpr const char* kOutputIsInput =
    "Файл результата «%1» — это входной файл «%2»: команда уничтожила бы его. Укажите для результата другой файл.";
inline constexpr const char* kStdoutFailed = "Не удаётся записать стандартный вывод: %1";
inline constexpr const char* kNotWritten = "%1; файл «%2» не записан";
inline constexpr const char* kCsvErrors = "Ошибок в файле CSV: %1; файл «%2» не записан";
inline constexpr const char* kCsvImported = "Каналов в таблице: %1 из 16; записан «%2»";

// The radio: which port a failed exchange tried, and the bands of a refused write.
inline constexpr const char* kOnPort = " Порт: %1";
inline constexpr const char* kWrongBandDetail = ": в файле — %1, в радиостанции — %2.";

// A CHIRP list.
inline constexpr const char* kChirpRow = "%1: строка %2 (Location %3)";
inline constexpr const char* kChirpNamedRow = "%1: строка %2 (Location %3, «%4»)";
inline constexpr const char* kChirpRowSkipped = "%1 пропущена: %2";
inline constexpr const char* kNotInLocations = "не выбрана в --locations";
inline constexpr const char* kChannelsRanOut = "каналы кончились: с канала %1 помещается строк: %2";
inline constexpr const char* kNoChirpRowImported = "Ни одна строка списка не внесена; файл «%1» не записан";
inline constexpr const char* kChirpImported = "Строк CHIRP внесено: %1 из %2, в каналы %3";
inline constexpr const char* kChannelsSwitchedOff = "; выключены каналы %1";
inline constexpr const char* kWritten = "; записан «%1»";

// show.
// The window's column headings, shortened where they would make the table too wide.
inline constexpr std::array<const char*, 11> kShowHeadings{
    "№",          "Канал выкл.", "Запрет ПРД", "Частота ПРМ (МГц)", "Субтон ПРМ", "Частота ПРД (МГц)",
    "Субтон ПРД", "Сдвиг частоты", "Ширина канала", "Сканирование", "Запрет ПРД на занятом"};
inline constexpr const char* kShowFile = "Файл: ";
inline constexpr const char* kShowModel = "Модель: ";
inline constexpr const char* kShowBand = "Частотный диапазон: ";
inline constexpr const char* kShowChannels = "Параметры каналов";
inline constexpr const char* kShowSettings = "Основные настройки радиостанции";
inline constexpr const char* kShowRadioGroup = "Параметры радиостанции";
inline constexpr const char* kShowScanGroup = "Параметры сканирования";

}  // namespace tirel::cli::text
