#include "sim_process.h"

namespace tirel::soak {

SimProcess::SimProcess(const QString& program, const QStringList& args) : args_(args) {
  proc_.setProgram(program);
  proc_.setArguments(args);
  proc_.setProcessChannelMode(QProcess::SeparateChannels);
  proc_.setStandardErrorFile(QProcess::nullDevice());
}

SimProcess::~SimProcess() { stop(); }

void SimProcess::start(std::function<void(const QString&)> ready) {
  ready_ = std::move(ready);
  QObject::connect(&proc_, &QProcess::readyReadStandardOutput, &proc_, [this] {
    if (!ready_ || !proc_.canReadLine()) return;
    auto r = std::exchange(ready_, nullptr);
    r(QString::fromUtf8(proc_.readLine()).trimmed());
  });
  QObject::connect(&proc_, &QProcess::errorOccurred, &proc_, [this](QProcess::ProcessError) {
    if (auto r = std::exchange(ready_, nullptr)) r(QString());
  });
  proc_.start();
}

QString SimProcess::start_and_wait() {
  proc_.start();
  if (!proc_.waitForStarted(5000)) return {};
  while (!proc_.canReadLine())
    if (!proc_.waitForReadyRead(5000)) return {};
  return QString::fromUtf8(proc_.readLine()).trimmed();
}

void SimProcess::stop() {
  ready_ = nullptr;
  if (proc_.state() == QProcess::NotRunning) return;
  proc_.terminate();
  if (!proc_.waitForFinished(3000)) {
    proc_.kill();
    proc_.waitForFinished(1000);
  }
}

}  // namespace tirel::soak
