#include "process_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tirel::soak {

long resident_kb() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return -1;
}

int open_files() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

bool holds_open(const QString& device) {
  const QDir fds(QStringLiteral("/proc/self/fd"));
  for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
    if (QFileInfo(fds.filePath(fd)).symLinkTarget() == device) return true;
  return false;
}

}  // namespace tirel::soak
