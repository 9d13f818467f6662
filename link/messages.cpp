#include "link/messages.h"

#include "prompt/prompter.h"

namespace tirel {

QString port_warning_text(int port_number) {
  return QStringLiteral("Не удается открыть порт COM") + QString::number(port_number) + QStringLiteral(".") +
         QLatin1Char('\r') + QStringLiteral("Возможно, порт занят другим приложением или отключен аппаратно.") +
         QLatin1Char('\r') + QStringLiteral("Выбрать другой COM-порт?");
}

void show_message(const LinkMessage& m) {
  prompter().message(nullptr, m.icon, m.caption_text(), m.body_text(), QMessageBox::Ok);
}

}  // namespace tirel
