#pragma once
// Every text the window, its dialogs and the start-up show: captions, messages, menu items,
// button and label texts, file filters and the names of undo steps. The window and its tests
// take them from here; a text with the same words for the same thing is written once and
// referred to under its other names.
#include "blok/texts.h"
#include "files/texts.h"

namespace tirel::text {

// The program and its start-up.
inline constexpr const char* kAppTitle = blok_text::kProgramLine;
inline constexpr const char* kVersion = blok_text::kVersionLine;
inline constexpr const char* kMainCaption = blok_text::kWindowCaption;

inline constexpr const char* kAlreadyRunning = "Программа уже запущена!";
inline constexpr const char* kErrorCaption = "Ошибка";
inline constexpr const char* kWarningCaption = "Внимание";
inline constexpr const char* kAlreadyRunningCaption = kErrorCaption;
inline constexpr const char* kNotFixedDisk =
    "Программа запущена со сменного носителя информации! Перенесите программу на жесткий диск и запустите. ";
inline constexpr const char* kNotFixedDiskCaption = "ОШИБКА ОТКРЫТИЯ ПРОГРАММЫ";

// The menu and the tool bar.
inline constexpr const char* kMenuFile = "Файл";
inline constexpr const char* kMenuNew = "Новый";
inline constexpr const char* kMenuOpen = "Открыть";
inline constexpr const char* kMenuSave = "Сохранить";
inline constexpr const char* kMenuSaveAs = "Сохранить как ...";
inline constexpr const char* kMenuCsvExport = "Экспорт в CSV…";
inline constexpr const char* kMenuCsvImport = "Импорт из CSV…";
inline constexpr const char* kMenuPrint = "Печать";
inline constexpr const char* kMenuExit = "Выход";
inline constexpr const char* kMenuOperations = "Операции";
inline constexpr const char* kMenuRead = "Чтение";
inline constexpr const char* kMenuWrite = "Запись";
inline constexpr const char* kMenuVerify = "Сверка с радиостанцией";
inline constexpr const char* kMenuOptions = "Опции";
inline constexpr const char* kMenuProgrammer = "Программатор";
inline constexpr const char* kMenuHelp = "Помощь";
inline constexpr const char* kMenuHelpContents = "Справка";
inline constexpr const char* kMenuAbout = "О программе";
inline constexpr const char* kToolNewFile = "Новый файл";
inline constexpr const char* kToolOpenFile = "Открыть файл";
inline constexpr const char* kToolSaveFile = "Сохранить файл";
inline constexpr const char* kToolPrint = "Печать параметров";
inline constexpr const char* kToolRead = "Чтение параметров";
inline constexpr const char* kToolWrite = "Запись параметров";

// The pages; the "Опции" menu names them the same way.
inline constexpr const char* kBandLabel = "Частотный диапазон радиостанции :";
inline constexpr const char* kPageChannels = "Параметры каналов";
inline constexpr const char* kPageSettings = "Основные настройки";
inline constexpr const char* kGroupRadio = " Параметры радиостанции ";
inline constexpr const char* kGroupScan = " Параметры сканирования ";
inline constexpr const char* kMenuChannels = kPageChannels;
inline constexpr const char* kMenuSettings = kPageSettings;

// Choosing another band.
inline constexpr const char* kBandQuestion =
    "При выборе нового частотного диапазона, все параметры каналов будут стерты. Продолжить?";
inline constexpr const char* kBandQuestionCaption = "Выбор частотного диапазона.";

// The files.
inline constexpr const char* kNewQuestion =
    "При создании нового файла, будет уничтожена информация\rпредыдущего файла. Продолжить?";
inline constexpr const char* kNewQuestionCaption = kToolNewFile;
inline constexpr const char* kSaveQuestion = "Параметры были изменены. Сохранить файл параметров?";
inline constexpr const char* kSaveQuestionCaption = kWarningCaption;
inline constexpr const char* kFileFilter = "Файлы Тирель-12 (*.t12)";
inline constexpr const char* kFileSuffix = "t12";
inline constexpr const char* kOpenFailed = "Не удалось открыть файл параметров\r%1\r\r%2";
inline constexpr const char* kSaveFailed = "Не удалось сохранить файл параметров\r%1\r\r%2";
inline constexpr const char* kFileErrorCaption = kErrorCaption;

inline constexpr const char* kConfigNotSaved =
    "Не удалось записать файл настроек программы\r%1\r\r%2\r\r"
    "Программа работает, но выбор программатора и положение окна не будут сохранены.";
// The same at close, when there is nothing left to go on working with.
inline constexpr const char* kConfigNotSavedAtClose =
    "Не удалось записать файл настроек программы\r%1\r\r%2\r\r"
    "Выбор программатора и положение окна не сохранены.";
inline constexpr const char* kConfigCaption = kWarningCaption;

// Help and the about box.
inline constexpr const char* kHelpFile = "Tirel12.html";
inline constexpr const char* kHelpMissing =
    "Файл справки Tirel12.html не найден.\rОн ищется в рабочей папке программы и рядом с программой:\r%1";
inline constexpr const char* kHelpCaption = kMenuHelpContents;
inline constexpr const char* kHelpWindowTitle = "Справка — ПО Тирель-12";
inline constexpr const char* kAboutCaption = kMenuAbout;
inline constexpr const char* kAboutClose = "Закрыть";

// The channel table's entry dialogs.
inline constexpr const char* kRxFrqCaption = "Частота приема (МГц)";
inline constexpr const char* kTxFrqCaption = "Частота передачи (МГц)";
inline constexpr const char* kRxToneCaption = "Субтон приема";
inline constexpr const char* kTxToneCaption = "Субтон передачи";

inline constexpr const char* kYes = "Да";
inline constexpr const char* kNo = "Нет";

inline constexpr const char* kInputErrorCaption = "Ошибка ввода";
inline constexpr const char* kFrqOutOfRange = "Введенная частота вне диапазона!";
// Pasted text that is not a frequency; %1 is the field's text.
inline constexpr const char* kFrqNotANumber =
    "\"%1\" не является частотой.\rВведите частоту в мегагерцах: цифры и одна запятая, например 146,025";
inline constexpr const char* kToneNotANumber = "Субтон не изменен.";

inline constexpr const char* kToneCtc = "CTC";
inline constexpr const char* kToneDcs = "DCS";
inline constexpr const char* kToneOff = "Выключен";
inline constexpr const char* kToneInverted = "Инверт. DCS";

// Checking a radio against the set, automatic backups and the channel table in CSV.
inline constexpr const char* kBackupFailed =
    "Не удалось сохранить резервную копию набора параметров в папке\r%1\r\r%2\r\r"
    "Чтение и запись радиостанции выполняются без резервных копий. "
    "До перезапуска программы это сообщение больше не появится.";
inline constexpr const char* kBackupCaption = kWarningCaption;

inline constexpr const char* kCsvFilter = "Таблица каналов CSV (*.csv)";
inline constexpr const char* kCsvSuffix = "csv";
inline constexpr const char* kCsvExportCaption = "Экспорт в CSV";
inline constexpr const char* kCsvImportCaption = "Импорт из CSV";
inline constexpr const char* kCsvExportFailed = "Не удалось записать файл CSV\r%1\r\r%2";
inline constexpr const char* kCsvOpenFailed = "Не удалось открыть файл CSV\r%1\r\r%2";
inline constexpr const char* kCsvImportFailed = "Файл CSV не импортирован, набор параметров не изменён.\r%1\r%2\r\r%3";
// The last line of a long error list, for CSV and CHIRP files and for pasted rows.
inline constexpr const char* kCsvMoreErrors = "… и ещё ошибок: %1";

// The "Правка" menu, the names of undo steps, the channel clipboard and the recent files.
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

inline constexpr const char* kRecentCaption = "Недавние файлы";
inline constexpr const char* kRecentMissing = "Файл\r%1\rне найден. Он удалён из списка недавних файлов.";

// CHIRP lists: the choice of rows and the export's kind of file.
inline constexpr const char* kChirpFilter = "Список каналов CHIRP (*.csv)";
inline constexpr const char* kChirpRowsCaption = "Импорт списка CHIRP";
inline constexpr const char* kChirpRowsIntro =
    "Список каналов CHIRP %1.\nОтмеченные строки будут внесены в каналы по порядку, начиная с выбранного; "
    "каналы после последнего внесённого будут выключены, основные настройки не меняются.";
inline constexpr const char* kChirpRowsHeadings[] = {
    "Строка", "Location", "Имя", "ПРМ, МГц", "ПРД, МГц", blok_text::kHeadRxTone, blok_text::kHeadTxTone,
    "Ширина", "Примечание"};
inline constexpr const char* kChirpTxOff = files_text::kChirpTxOff;
inline constexpr const char* kChirpNarrow = files_text::kChirpNarrow;
inline constexpr const char* kChirpWide = files_text::kChirpWide;
inline constexpr const char* kChirpFirstChannel = "С канала:";
inline constexpr const char* kChirpImportButton = "Внести";
inline constexpr const char* kChirpCancelButton = "Отмена";
inline constexpr const char* kChirpTicked = "Отмечено строк: %1, каналы %2";
inline constexpr const char* kChirpRestOff = "; каналы %1 будут выключены";
inline constexpr const char* kChannelRange = "%1–%2";  // "3–16"
inline constexpr const char* kChirpNoneTicked = "Не отмечено ни одной строки";
inline constexpr const char* kChirpNoRoom = "Больше %1 строк с канала %2 не поместится";
inline constexpr const char* kChirpExportNotes =
    "Файл %1 записан, но эти значения в CHIRP не записать, их в файле нет:\r%2";
inline constexpr const char* kChirpImportFailed = "Список CHIRP не импортирован, набор параметров не изменён.\r%1\r\r%2";

}  // namespace tirel::text
