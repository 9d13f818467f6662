#pragma once
// A simulated radio on a pseudo-terminal for one test, with its log and saved memory.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "blok/blok.h"

namespace tirel::test {

struct LogLine {
  double ms;        // since the simulator started
  QString what;     // "cmd rEAD", "rec 3 57 00 10 08 ...", "final OK", ...
};

class SimRadio {
 public:
  // Starts the simulator with `args` (see tirel12-sim --help); ready when constructed.
  explicit SimRadio(const QStringList& args = {});
  ~SimRadio();

  QString path() const { return path_; }
  QString dir() const { return dir_.path(); }
  // Writes `b` into a file the simulator can take with --memory.
  static QString memory_file(const QTemporaryDir& dir, const Blok& b);

  std::vector<LogLine> log() const;
  std::vector<LogLine> log_of(const QString& prefix) const;
  // The records a write delivered, in order of arrival, each 12 bytes.
  std::vector<std::vector<std::uint8_t>> records() const;
  // The radio's memory after a write (empty when none finished).
  QByteArray saved() const;
  // True once the simulator has ended (it does when its cable "vanishes").
  bool wait_exit(int ms) { return proc_.state() == QProcess::NotRunning || proc_.waitForFinished(ms); }

 private:
  QTemporaryDir dir_;
  QProcess proc_;
  QString path_;
};

}  // namespace tirel::test
