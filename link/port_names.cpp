#include "link/port_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/config_ini.h"
#include "link/usb_devices.h"

namespace tirel {

QString port_device(int n, std::string_view config_bytes, const std::function<bool(const QString&)>& exists) {
  if (n < 1) return {};
#ifdef Q_OS_WIN
  (void)config_bytes;
  (void)exists;
  return QStringLiteral("COM%1").arg(n);
#else
  if (auto configured = configured_port_device(config_bytes, n); configured && !configured->empty())
    return QString::fromStdString(*configured);
  for (const char* stem : {"/dev/ttyUSB", "/dev/ttyACM"}) {
    const QString path = QString::fromLatin1(stem) + QString::number(n - 1);
    if (exists(path)) return path;
  }
  return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

QString port_device_from_config(int n, const QString& config_dir) {
  QByteArray bytes;
  QFile f(QDir(config_dir).filePath(QStringLiteral("config.ini")));
  if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
  return port_device(n, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     [](const QString& p) { return QFileInfo::exists(p); });
}

std::optional<QString> find_usb_programmer_port(const std::filesystem::path& sysfs_root) {
  for (const FtdiDevice& d : list_ftdi_devices(sysfs_root).devices) {
    if (d.product == kUsbProgrammerDescription && d.serial_port) return QString::fromStdString(*d.serial_port);
  }
  return std::nullopt;
}

std::optional<QString> find_usb_programmer_port() { return find_usb_programmer_port(sysfs_root()); }

}  // namespace tirel
