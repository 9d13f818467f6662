#include "cli/radio_port.h"
#include "cli/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <ostream>

#include <unistd.h>

#include "link/port_names.h"
#include "link/texts.h"
#include "link/waits.h"

namespace tirel::cli {

StderrProgress::StderrProgress(std::ostream& err) : err_(err), terminal_(::isatty(STDERR_FILENO) == 1) {}

StderrProgress::~StderrProgress() {
  if (!drawn_) return;
  if (terminal_)
    err_ << '\n' << std::flush;
  else
    err_ << label_ << ' ' << last_percent_ << '\n' << std::flush;
}

void StderrProgress::begin(Operation op, int total) {
  label_ = link_text::progress_label(op);
  maximum_ = total > 0 ? total : 1;
  advance(0, QStringLiteral("0%"));
}

void StderrProgress::advance(int position, const QString& percent) {
  drawn_ = true;
  last_percent_ = percent.toStdString();
  if (!terminal_) return;
  constexpr int kWidth = 30;
  const int filled = position * kWidth / maximum_;
  err_ << '\r' << label_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << last_percent_ << std::flush;
}

std::unique_ptr<QCoreApplication> ensure_event_loop() {
  if (QCoreApplication::instance()) return nullptr;
  static int argc = 1;
  static char name[] = "tirel12-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

std::optional<QString> port_device_argument(Invocation& inv, const ParsedArgs& p) {
  if (!p.has("--port") || p.options.at("--port").empty()) {
    fail(inv, text::kNoPort, kExitUsage);
    return std::nullopt;
  }
  const QString port = QString::fromStdString(p.options.at("--port"));
  static const QRegularExpression com(QStringLiteral("^COM([0-9]{1,3})$"), QRegularExpression::CaseInsensitiveOption);
  if (const auto m = com.match(port); m.hasMatch()) {
    const int n = m.captured(1).toInt();
    const QString device = port_device_from_config(n, QDir::currentPath());
    if (device.isEmpty()) {
      fail(inv, text::fill(text::kNoSuchPort, {port.toStdString()}), kExitUsage);
      return std::nullopt;
    }
    return device;
  }
  return port;
}

std::optional<SetForRadio> set_for_radio(Invocation& inv, const ParsedArgs& p, int& exit_code) {
  exit_code = kExitUsage;
  if (!p.error.empty()) {
    fail(inv, p.error, kExitUsage);
    return std::nullopt;
  }
  const auto file = one_file_argument(inv, p);
  if (!file) return std::nullopt;
  auto sep = decimal_separator(inv, p);
  if (!sep) return std::nullopt;
  auto device = port_device_argument(inv, p);
  if (!device) return std::nullopt;
  auto set = open_param_file(inv, *file);
  if (!set) {
    exit_code = kExitFailed;
    return std::nullopt;
  }
  return SetForRadio{*set, std::move(*sep), std::move(*device)};
}

std::optional<ExchangeResult> run_exchange(Invocation& inv, const QString& device, const Exchange& exchange) {
  SerialPort port;
  port.set_device(device);
  if (!port.open()) {
    fail(inv,
         port.refused() ? link_text::access_refused_text(device).toStdString()
                        : link_text::port_busy_text(device.toStdString()),
         kExitFailed);
    return std::nullopt;
  }
  LinkWaits waits;
  StderrProgress bar(inv.err);
  return exchange(port, waits, bar);
}

int exchange_failed(Invocation& inv, Operation op, ExchangeResult r, const QString& device, const std::string& detail) {
  std::string line = link_text::end_message(op, r).one_line() + detail;
  if (const std::string reason = link_text::failure_reason(r); !reason.empty()) line += ' ' + reason;
  return fail(inv, line + text::fill(text::kOnPort, {device.toStdString()}), kExitFailed);
}

}  // namespace tirel::cli
