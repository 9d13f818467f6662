#include "link/texts.h"

#include <cstdio>

namespace tirel {

std::string LinkMessage::one_line() const {
  return body_text().replace(QLatin1Char('\r'), QLatin1Char(' ')).toStdString();
}

namespace link_text {

const LinkMessage& end_message(Operation op, ExchangeResult r) {
  if (op == Operation::read) return r == ExchangeResult::ok ? kReadDone : kReadFailed;
  switch (r) {
    case ExchangeResult::ok: return kWriteDone;
    case ExchangeResult::unsupported_model: return kUnsupportedModel;
    case ExchangeResult::wrong_band: return kWrongBand;
    case ExchangeResult::no_answer:
    case ExchangeResult::timed_out:
    case ExchangeResult::cable_lost:
    case ExchangeResult::not_confirmed: break;
  }
  return kWriteFailed;
}

const char* failure_reason(ExchangeResult r) {
  switch (r) {
    case ExchangeResult::no_answer: return "Радиостанция не ответила.";
    case ExchangeResult::timed_out: return "Радиостанция не ответила вовремя.";
    case ExchangeResult::cable_lost: return "Кабель программатора отключился во время обмена.";
    case ExchangeResult::not_confirmed: return "Радиостанция не подтвердила запись.";
    case ExchangeResult::ok:
    case ExchangeResult::unsupported_model:
    case ExchangeResult::wrong_band: break;
  }
  return "";
}

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

std::string port_busy_text(const std::string& device) {
  return "Не удаётся открыть порт «" + device + "». Возможно, порт занят другим приложением или отключён аппаратно.";
}

std::string fixed_table_byte_line(int record, int address, int byte_index, std::uint8_t in_set, std::uint8_t in_radio) {
  char where[64];
  if (byte_index >= 4)
    std::snprintf(where, sizeof where, "байт данных %d", byte_index - 4);
  else
    std::snprintf(where, sizeof where, "байт заголовка %d", byte_index);
  char line[160];
  std::snprintf(line, sizeof line, "Запись %d (адрес %04X), %s: 0x%02X → 0x%02X", record, address, where, in_set,
                in_radio);
  return line;
}

std::string usb_error_text(const char* operation, std::uint32_t status) {
  static const char* const suffixes[] = {
      "",
      " - Не правильный дескриптор...",
      " - Устройство не найдено....",
      " - Устройство не открыто...",
      " - Ошибка основного IO...",
      " - Недостаточно ресурсов...",
      " - Не правильный параметр ...",
  };
  if (status >= 1 && status <= 6) return std::string(operation) + suffixes[status];
  return std::string(operation) + " - Ошибка USB, код " + std::to_string(status) + "...";
}

}  // namespace link_text
}  // namespace tirel
