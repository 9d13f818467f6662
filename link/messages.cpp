#include "link/messages.h"

#include "prompt/prompter.h"

namespace tirel {

QString port_warning_text(int port_number, const QString& refused_device) {
  QString text = QStringLiteral("Не удается открыть порт COM") + QString::number(port_number) + QStringLiteral(".");
  if (!refused_device.isEmpty()) text += QLatin1Char('\r') + access_refused_text(refused_device);
  return text + QLatin1Char('\r') + QStringLiteral("Возможно, порт занят другим приложением или отключен аппаратно.") +
         QLatin1Char('\r') + QStringLiteral("Выбрать другой COM-порт?");
}

QString access_refused_text(const QString& device) {
  return QStringLiteral("Нет доступа к ") + device +
         QStringLiteral(": добавьте пользователя в группу dialout и войдите в систему заново.");
}

void show_message(const LinkMessage& m) {
  prompter().message(nullptr, m.icon, m.caption_text(), m.body_text(), QMessageBox::Ok);
}

}  // namespace tirel
