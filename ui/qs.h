#pragma once
// The window's one way from the program's UTF-8 texts and the core's results to a QString.
#include <QString>
#include <string>

namespace tirel {

inline QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace tirel
