#pragma once
// Only one copy of the program runs at a time. On Windows a named mutex; elsewhere a lock file
// per user, which a copy that crashed does not leave stuck (the lock of a dead process is stale).
#include <QString>
#include <memory>

class QLockFile;

namespace tirel {

inline constexpr const char* kInstanceName = "{B2B9DD59-42A1-4623-AF89-ECC4614FBEBE}";

class SingleInstance {
 public:
  explicit SingleInstance(const QString& name = QString::fromLatin1(kInstanceName));
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this copy is the only one; the claim lasts until the object is destroyed.
  bool acquire();

  // The lock file used where there are no named mutexes.
  static QString lock_path(const QString& name);

 private:
  QString name_;
#ifdef Q_OS_WIN
  void* mutex_ = nullptr;
#else
  std::unique_ptr<QLockFile> lock_;
#endif
};

}  // namespace tirel
