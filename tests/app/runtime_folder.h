#pragma once
// Points the per-user lock folder at a folder of the test's own for as long as it lives.
#include <QByteArray>
#include <QTemporaryDir>

namespace tirel::test {

class RuntimeFolder {
 public:
  RuntimeFolder() : old_(qgetenv("XDG_RUNTIME_DIR")), had_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
  }
  ~RuntimeFolder() {
    if (had_)
      qputenv("XDG_RUNTIME_DIR", old_);
    else
      qunsetenv("XDG_RUNTIME_DIR");
  }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QByteArray old_;
  bool had_;
};

}  // namespace tirel::test
