#pragma once
// One simulated radio for one exchange: the simulator started with a fault, and the terminal
// it answers on.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace tirel::soak {

class SimProcess {
 public:
  SimProcess(const QString& program, const QStringList& args);
  ~SimProcess();  // stops the simulator if it still runs

  // Calls `ready` with the terminal once the simulator has opened it (from the event loop),
  // or with an empty text when it fails to start.
  void start(std::function<void(const QString& terminal)> ready);
  // The same, waiting here; the empty text when it failed.
  QString start_and_wait();
  void stop();

 private:
  QProcess proc_;
  QStringList args_;
  std::function<void(const QString&)> ready_;
};

}  // namespace tirel::soak
