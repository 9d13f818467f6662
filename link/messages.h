#pragma once
// The texts the radio commands show to the user, with their captions and icons.
#include <QMessageBox>
#include <QString>

#include "link/progress_sink.h"

namespace tirel {

struct LinkMessage {
  QMessageBox::Icon icon;
  const char* caption;  // UTF-8
  const char* text;     // UTF-8; "\r" is a line break
  QString caption_text() const { return QString::fromUtf8(caption); }
  QString body_text() const { return QString::fromUtf8(text); }
};

namespace msg {
inline constexpr LinkMessage kReadDone{QMessageBox::Information, "Чтение", "Чтение данных успешно завершено."};
inline constexpr LinkMessage kReadFailed{
    QMessageBox::Warning, "Ошибка чтения данных",
    "Данные не считаны. Проверьте включена ли радиостанция и\rподключение кабеля программатора."};
inline constexpr LinkMessage kWriteDone{QMessageBox::Information, "Запись", "Запись данных успешно завершена."};
inline constexpr LinkMessage kWriteFailed{
    QMessageBox::Warning, "Ошибка записи данных",
    "Данные не записаны. Проверьте включена ли радиостанция и\rподключение кабеля программатора."};
inline constexpr LinkMessage kUnsupportedModel{QMessageBox::Warning, "Ошибка",
                                               "Данная радиостанция не поддерживается\rПО Тирель-12."};
inline constexpr LinkMessage kWrongBand{QMessageBox::Warning, "Ошибка",
                                        "Данная радиостанция не соответствует\rвыбранному диапазону частот"};
// The USB programmer is in force but its cable is nowhere on the USB bus.
inline constexpr LinkMessage kUsbCableMissing{
    QMessageBox::Warning, "Предупреждение",
    "USB-Программатор не подключен.\rПодключите кабель программатора или выберите COM-программатор\r"
    "в меню \"Программатор\"."};
}  // namespace msg

// The warning of a port that will not open: caption and text for port number n.
inline constexpr const char* kPortWarningCaption = "Предупреждение";
// When the system refused access to the device, a line naming it and the cure follows the first.
QString port_warning_text(int port_number, const QString& refused_device = {});
// "Нет доступа к /dev/ttyUSB0: добавьте пользователя в группу dialout и войдите в систему заново."
QString access_refused_text(const QString& device);

// Shows `m` through the program's prompter, without an owner window.
void show_message(const LinkMessage& m);

}  // namespace tirel
