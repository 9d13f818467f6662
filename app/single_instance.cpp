#include "app/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tirel {

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

SingleInstance::~SingleInstance() {
#ifdef Q_OS_WIN
  if (mutex_) CloseHandle(static_cast<HANDLE>(mutex_));
#endif
}

QString SingleInstance::lock_path(const QString& name) {
  // The user's runtime folder is private to the user; the shared temporary folder gets the
  // user's id in the name so two users on one machine do not refuse each other.
#ifdef Q_OS_WIN
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#else
  QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
#endif
  QString file = QStringLiteral("tirel12-%1.lock").arg(name);
  if (dir.isEmpty() || !QDir(dir).exists()) {
    dir = QDir::tempPath();
#ifndef Q_OS_WIN
    file = QStringLiteral("tirel12-%1-%2.lock").arg(name).arg(getuid());
#endif
  }
  return QDir(dir).filePath(file);
}

bool SingleInstance::acquire() {
#ifdef Q_OS_WIN
  if (mutex_) return true;
  HANDLE h = CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name_.utf16()));
  if (!h) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(h);
    return false;
  }
  mutex_ = h;
  return true;
#else
  if (lock_) return true;
  auto lock = std::make_unique<QLockFile>(lock_path(name_));
  // No age limit: a lock counts as stale only when the process that holds it is gone.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return false;
  lock_ = std::move(lock);
  return true;
#endif
}

}  // namespace tirel
