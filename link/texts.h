#pragma once
// Every text of the radio link, for the window and the command-line tool alike: how an exchange
// ends, the progress lines, the port warnings, the radio check, the programmer dialog and status
// panel, and the USB listing's errors.
#include <QString>
#include <cstdint>
#include <string>

#include "link/exchanges.h"

namespace tirel {

struct LinkMessage {
  enum class Icon { information, warning };
  Icon icon;
  const char* caption;  // UTF-8
  const char* text;     // UTF-8; "\r" is a line break
  QString caption_text() const { return QString::fromUtf8(caption); }
  QString body_text() const { return QString::fromUtf8(text); }
  // The text on one line, as the command line and the check's report give it.
  std::string one_line() const;
};

namespace link_text {

// The progress window's caption is the operation's name; its first line says what goes where.
inline constexpr const char* kReadCaption = "Чтение";
inline constexpr const char* kReadLabel = "Чтение данных из радиостанции :";
inline constexpr const char* kWriteCaption = "Запись";
inline constexpr const char* kWriteLabel = "Запись данных в радиостанцию :";
inline const char* progress_caption(Operation op) { return op == Operation::read ? kReadCaption : kWriteCaption; }
inline const char* progress_label(Operation op) { return op == Operation::read ? kReadLabel : kWriteLabel; }

inline constexpr LinkMessage kReadDone{LinkMessage::Icon::information, kReadCaption, "Чтение данных успешно завершено."};
inline constexpr LinkMessage kReadFailed{
    LinkMessage::Icon::warning, "Ошибка чтения данных",
    "Данные не считаны. Проверьте включена ли радиостанция и\rподключение кабеля программатора."};
inline constexpr LinkMessage kWriteDone{LinkMessage::Icon::information, kWriteCaption, "Запись данных успешно завершена."};
inline constexpr LinkMessage kWriteFailed{
    LinkMessage::Icon::warning, "Ошибка записи данных",
    "Данные не записаны. Проверьте включена ли радиостанция и\rподключение кабеля программатора."};
inline constexpr LinkMessage kUnsupportedModel{LinkMessage::Icon::warning, "Ошибка",
                                               "Данная радиостанция не поддерживается\rПО Тирель-12."};
inline constexpr LinkMessage kWrongBand{LinkMessage::Icon::warning, "Ошибка",
                                        "Данная радиостанция не соответствует\rвыбранному диапазону частот"};
// The USB programmer is in force but its cable is nowhere on the USB bus.
inline constexpr LinkMessage kUsbCableMissing{
    LinkMessage::Icon::warning, "Предупреждение",
    "USB-Программатор не подключен.\rПодключите кабель программатора или выберите COM-программатор\r"
    "в меню \"Программатор\"."};

// The message an exchange ends with, by operation and result.
const LinkMessage& end_message(Operation op, ExchangeResult r);
// Why a failed exchange failed, as a sentence the command line adds; empty where the message
// itself says it (ok, a refused model or band).
const char* failure_reason(ExchangeResult r);

// The window's warning of a port that will not open, for port number n, with its Yes/No question.
inline constexpr const char* kPortWarningCaption = "Предупреждение";
// When the system refused access to the device, a line naming it and the cure follows the first.
QString port_warning_text(int port_number, const QString& refused_device = {});
// "Нет доступа к /dev/ttyUSB0: добавьте пользователя в группу dialout и войдите в систему заново."
QString access_refused_text(const QString& device);
// The command line's warning of a port that will not open; it asks nothing, and is written with
// «» and ё like every message of the command line, where the window keeps its own wording above.
std::string port_busy_text(const std::string& device);

// The radio check.
inline constexpr const char* kVerifyCaption = "Сверка с радиостанцией";
inline constexpr const char* kVerifyMatches = "Радиостанция соответствует набору параметров.";
inline constexpr const char* kVerifyDiffers = "Радиостанция не соответствует набору параметров (в наборе → в радиостанции):";
inline constexpr const char* kFixedTableAdvice =
    "Записи 69–88 — постоянная таблица радиостанции: окно её не показывает, а запись передаёт её из набора "
    "без изменений. Запишите набор в радиостанцию ещё раз и повторите сверку; если различие останется, "
    "радиостанцию нужно проверить.";
inline constexpr const char* kVerifyModelCode = " Код модели: ";
inline constexpr const char* kVerifyMore = "… и ещё различий: ";
// One byte of the fixed table: "Запись 70 (адрес 0450), байт данных 3: 0x12 → 0x13".
std::string fixed_table_byte_line(int record, int address, int byte_index, std::uint8_t in_set, std::uint8_t in_radio);

// The programmer selection dialog.
inline constexpr const char* kProgrammerCaption = "Выбор программатора";
inline constexpr const char* kProgrammerTypeFrame = " Выбор типа программатора ";
inline constexpr const char* kUsbProgrammerItem = "USB-программатор";
inline constexpr const char* kComProgrammerItem = "СОМ- программатор";
inline constexpr const char* kComPortFrame = " Выбор СОМ-порта ";
inline constexpr const char* kComPortItems[] = {"COM 1", "COM 2", "COM 3", "COM 4"};
inline constexpr const char* kProgrammerYes = "Да";
inline constexpr const char* kProgrammerNo = "Нет";

// The programmer status panel.
inline constexpr const char* kComProgrammerText = "Программатор COM";
inline constexpr const char* kUsbConnectedText = "USB-Программатор подключен";
inline constexpr const char* kUsbMissingText = "USB-Программатор не подключен";

// The USB listing's error box: caption, and the text for a status of an operation.
inline constexpr const char* kUsbErrorCaption = "Error";
std::string usb_error_text(const char* operation, std::uint32_t status);

}  // namespace link_text
}  // namespace tirel
