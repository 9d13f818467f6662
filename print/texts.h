#pragma once
// Every text of the parameter sheet's output: the setup, status and preview windows, and the
// errors of the layout, the printer and the PDF file. %1, %2 and %p are filled in where used.
namespace tirel::print_text {

// The windows' titles and the status line.
inline constexpr const char* kSetupTitle = "Печать";
inline constexpr const char* kStatusTitle = "Подготовка";
inline constexpr const char* kPreviewTitle = "Просмотр";
inline constexpr const char* kGeneratingStatus = "Generating page %p";  // %p = page number
inline constexpr const char* kPrintingStatus = "Printing page %p";
inline constexpr const char* kJobTitle = "ReportPrinter Report";

// The setup window.
inline constexpr const char* kOutputGroup = "Вывод";
inline constexpr const char* kPrinterChoice = "Принтер:";
inline constexpr const char* kPreviewChoice = "Просмотр на экране";
inline constexpr const char* kFileChoice = "Файл PDF:";
inline constexpr const char* kBrowse = "Обзор...";
inline constexpr const char* kPagesGroup = "Страницы";
inline constexpr const char* kAllPages = "Все";
inline constexpr const char* kPagesFrom = "С";
inline constexpr const char* kPagesTo = "по";
inline constexpr const char* kCopies = "Число копий:";
inline constexpr const char* kOk = "ОК";
inline constexpr const char* kCancel = "Отмена";
inline constexpr const char* kPdfFilter = "Файлы PDF (*.pdf)";
inline constexpr const char* kPdfSuffix = "pdf";

// Errors, shown in a box with this caption.
inline constexpr const char* kErrorCaption = "Ошибка";
inline constexpr const char* kProjectNotOpen = "Проект отчёта не открыт.";
inline constexpr const char* kNoPages = "Отчёт не содержит страниц.";
inline constexpr const char* kPrinterMissing = "Принтер \"%1\" не найден.";
inline constexpr const char* kPrintFailed = "Не удаётся напечатать отчёт на принтере \"%1\".";
inline constexpr const char* kPdfNotWritten = "Не удаётся записать файл PDF «%1».";
inline constexpr const char* kPdfNotSaved = "Не удаётся записать файл PDF — ";  // then the file error

// A layout resource that cannot be used.
inline constexpr const char* kLayoutNotLoaded = "Не удаётся загрузить макет отчёта \"%1\": %2";
inline constexpr const char* kLayoutBroken = "Макет отчёта повреждён: ";  // then one of these or the parser's text
inline constexpr const char* kLayoutNoNumber = "в макете нет числа \"%1\"";
inline constexpr const char* kLayoutBadFontSize = "в макете неверный размер шрифта \"%1\"";
inline constexpr const char* kLayoutNoStyle = "в макете нет стиля \"%1\"";
inline constexpr const char* kLayoutFieldUnnamed = "поле макета \"%1\" не называет параметр";
inline constexpr const char* kLayoutLineTooShort = "линии макета нужны хотя бы две точки";
inline constexpr const char* kLayoutBadPoint = "неверная точка линии макета";
inline constexpr const char* kLayoutUnknownItem = "неизвестный элемент макета \"%1\"";
inline constexpr const char* kLayoutBandEmpty = "полоса макета без строк";
inline constexpr const char* kLayoutNotA4 = "страница \"%1\": поддерживается только лист A4, книжная ориентация";
inline constexpr const char* kLayoutNoPages = "в макете нет страниц";

}  // namespace tirel::print_text
