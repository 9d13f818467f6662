#include "sim_radio.h"

#include <QFile>
#include <stdexcept>

namespace tirel::test {

SimRadio::SimRadio(const QStringList& args) {
  QStringList all = args;
  all << "--log" << dir_.filePath("sim.log") << "--save" << dir_.filePath("saved.bin");
  proc_.setProgram(QStringLiteral(TIREL_SIM));
  proc_.setArguments(all);
  proc_.start();
  if (!proc_.waitForStarted(5000)) throw std::runtime_error("simulator did not start");
  while (!proc_.canReadLine()) {
    if (!proc_.waitForReadyRead(5000)) throw std::runtime_error("simulator gave no terminal");
  }
  path_ = QString::fromUtf8(proc_.readLine()).trimmed();
}

SimRadio::~SimRadio() {
  if (proc_.state() == QProcess::Running) {
    proc_.terminate();
    if (!proc_.waitForFinished(3000)) proc_.kill();
  }
  proc_.waitForFinished(1000);
}

QString SimRadio::memory_file(const QTemporaryDir& dir, const Blok& b) {
  const QString p = dir.filePath("memory.t12");
  QFile f(p);
  if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write memory file");
  f.write(reinterpret_cast<const char*>(b.data()), b.size());
  return p;
}

std::vector<LogLine> SimRadio::log() const {
  std::vector<LogLine> out;
  QFile f(dir_.filePath("sim.log"));
  if (!f.open(QIODevice::ReadOnly)) return out;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const int space = line.indexOf(' ');
    if (space < 0) continue;
    out.push_back({line.left(space).toDouble(), QString::fromUtf8(line.mid(space + 1))});
  }
  return out;
}

std::vector<LogLine> SimRadio::log_of(const QString& prefix) const {
  std::vector<LogLine> out;
  for (const LogLine& l : log())
    if (l.what.startsWith(prefix)) out.push_back(l);
  return out;
}

std::vector<std::vector<std::uint8_t>> SimRadio::records() const {
  std::vector<std::vector<std::uint8_t>> out;
  for (const LogLine& l : log_of("rec ")) {
    const QStringList parts = l.what.split(' ');
    std::vector<std::uint8_t> rec;
    for (int i = 2; i < parts.size(); ++i) rec.push_back(static_cast<std::uint8_t>(parts[i].toUInt(nullptr, 16)));
    out.push_back(rec);
  }
  return out;
}

QByteArray SimRadio::saved() const {
  QFile f(dir_.filePath("saved.bin"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace tirel::test
