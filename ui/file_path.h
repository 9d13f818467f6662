#pragma once
// File names as the window holds them (QString) and as the file code takes them.
#include <QString>
#include <filesystem>

namespace tirel {

inline std::filesystem::path to_path(const QString& name) {
#ifdef Q_OS_WIN
  return std::filesystem::path(name.toStdWString());
#else
  return std::filesystem::path(name.toStdString());
#endif
}

}  // namespace tirel
