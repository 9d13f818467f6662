#pragma once
// A copy of the program started with a parameter file while another copy runs hands the file
// to the running copy through a local socket beside the single-instance lock, and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "app/single_instance.h"

class QLocalSocket;

namespace tirel {

// The parameter file named on the command line (the first argument that is not an option) as
// an absolute path; empty when there is none.
QString file_argument(const QStringList& arguments);

// The running copy's socket for this instance name.
QString handover_socket(const QString& instance_name = QString::fromLatin1(kInstanceName));

// Gives `file` to the running copy; true once that copy has taken it. Tries for `wait_ms`, as
// the running copy may still be starting.
bool hand_over_file(const QString& socket, const QString& file, int wait_ms = 5000);

// The running copy's side: every file handed over goes to `open`.
class FileReceiver : public QObject {
 public:
  FileReceiver(const QString& socket, std::function<void(const QString&)> open, QObject* parent = nullptr);
  bool listening() const { return server_.isListening(); }

 private:
  void take(QLocalSocket* peer);

  QLocalServer server_;
  std::function<void(const QString&)> open_;
};

}  // namespace tirel
