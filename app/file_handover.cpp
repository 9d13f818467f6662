#include "app/file_handover.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace tirel {
namespace {

// A path is one line; anything longer than this is not one.
constexpr qint64 kMaxMessage = 64 * 1024;
const QByteArray kTaken = QByteArrayLiteral("OK\n");

}  // namespace

QString file_argument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a.isEmpty() || a.startsWith(QLatin1Char('-'))) continue;
    return QFileInfo(a).absoluteFilePath();
  }
  return {};
}

QString handover_socket(const QString& instance_name) {
#ifdef Q_OS_WIN
  return QStringLiteral("tirel12-%1").arg(instance_name);
#else
  QString path = SingleInstance::lock_path(instance_name);
  if (path.endsWith(QLatin1String(".lock"))) path.chop(5);
  return path + QStringLiteral(".socket");
#endif
}

bool hand_over_file(const QString& socket, const QString& file, int wait_ms) {
  const QDeadlineTimer deadline(wait_ms);
  while (!deadline.hasExpired()) {
    QLocalSocket peer;
    peer.connectToServer(socket);
    if (peer.waitForConnected(500)) {
      peer.write(file.toUtf8() + '\n');
      QByteArray answer;
      while (!answer.contains('\n') && peer.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1))))
        answer += peer.readAll();
      answer += peer.readAll();
      return answer == kTaken;
    }
    QThread::msleep(100);  // the running copy may not be listening yet
  }
  return false;
}

FileReceiver::FileReceiver(const QString& socket, std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
  // This copy holds the single-instance lock, so a socket left there belongs to a copy that died.
  QLocalServer::removeServer(socket);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(socket);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) take(peer);
  });
}

void FileReceiver::take(QLocalSocket* peer) {
  connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
  connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
    if (!peer->canReadLine()) {
      if (peer->bytesAvailable() > kMaxMessage) peer->abort();
      return;
    }
    const QString file = QString::fromUtf8(peer->readLine(kMaxMessage)).trimmed();
    peer->write(kTaken);
    peer->flush();
    peer->disconnectFromServer();
    if (!file.isEmpty()) open_(file);
  });
}

}  // namespace tirel
