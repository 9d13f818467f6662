#pragma once
// The main window's captions and messages, in one place for the window and its tests.
#include "blok/report_params.h"

namespace tirel::text {

inline constexpr const char* kAppTitle = kProgramLine;
inline constexpr const char* kVersion = kVersionLine;
inline constexpr const char* kMainCaption = kWindowCaption;

inline constexpr const char* kAlreadyRunning = "Программа уже запущена!";
inline constexpr const char* kAlreadyRunningCaption = "Ошибка";
inline constexpr const char* kNotFixedDisk =
    "Программа запущена со сменного носителя информации! Перенесите программу на жесткий диск и запустите. ";
inline constexpr const char* kNotFixedDiskCaption = "ОШИБКА ОТКРЫТИЯ ПРОГРАММЫ";

inline constexpr const char* kBandLabel = "Частотный диапазон радиостанции :";
inline constexpr const char* kPageChannels = "Параметры каналов";
inline constexpr const char* kPageSettings = "Основные настройки";
inline constexpr const char* kGroupRadio = " Параметры радиостанции ";
inline constexpr const char* kGroupScan = " Параметры сканирования ";

inline constexpr const char* kBandQuestion =
    "При выборе нового частотного диапазона, все параметры каналов будут стерты. Продолжить?";
inline constexpr const char* kBandQuestionCaption = "Выбор частотного диапазона.";

inline constexpr const char* kNewQuestion =
    "При создании нового файла, будет уничтожена информация\rпредыдущего файла. Продолжить?";
inline constexpr const char* kNewQuestionCaption = "Новый файл";
inline constexpr const char* kSaveQuestion = "Параметры были изменены. Сохранить файл параметров?";
inline constexpr const char* kSaveQuestionCaption = "Внимание";
inline constexpr const char* kFileFilter = "Файлы Тирель-12 (*.t12)";
inline constexpr const char* kFileSuffix = "t12";
inline constexpr const char* kOpenFailed = "Не удалось открыть файл параметров\r%1\r\r%2";
inline constexpr const char* kSaveFailed = "Не удалось сохранить файл параметров\r%1\r\r%2";
inline constexpr const char* kFileErrorCaption = "Ошибка";

inline constexpr const char* kConfigNotSaved =
    "Не удалось записать файл настроек программы\r%1\r\r%2\r\r"
    "Программа работает, но выбор программатора и положение окна не будут сохранены.";
// The same at close, when there is nothing left to go on working with.
inline constexpr const char* kConfigNotSavedAtClose =
    "Не удалось записать файл настроек программы\r%1\r\r%2\r\r"
    "Выбор программатора и положение окна не сохранены.";
inline constexpr const char* kConfigCaption = "Внимание";

inline constexpr const char* kHelpFile = "Tirel12.html";
inline constexpr const char* kHelpMissing =
    "Файл справки Tirel12.html не найден.\rОн ищется в рабочей папке программы и рядом с программой:\r%1";
inline constexpr const char* kHelpCaption = "Справка";

}  // namespace tirel::text
