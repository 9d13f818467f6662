#include "ui/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStringDecoder>
#include <QStringEncoder>

#include "files/recent_files.h"
#include "ui/file_path.h"

namespace {

std::optional<std::string> to_1251(const QString& path) {
  if (path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n'))) return std::nullopt;
  QStringEncoder encode("windows-1251");
  const QByteArray bytes = encode.encode(path);
  if (encode.hasError()) return std::nullopt;
  return bytes.toStdString();
}

QString from_1251(const std::string& bytes) {
  QStringDecoder decode("windows-1251");
  return decode.decode(QByteArray::fromStdString(bytes));
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before, const QString& config_path, QObject* parent)
    : QObject(parent), menu_(menu), before_(before), config_path_(config_path) {
  std::vector<std::string> listed;
  if (tirel::read_recent_files(tirel::to_path(config_path_), listed).ok)
    for (const std::string& p : listed) files_ << from_1251(p);
  rebuild();
}

void RecentFilesMenu::add(const QString& path) {
  if (!to_1251(path)) return;
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > static_cast<qsizetype>(tirel::kRecentFileCount)) files_.removeLast();
  rebuild();
}

void RecentFilesMenu::remove(const QString& path) {
  files_.removeAll(path);
  rebuild();
}

tirel::FileResult RecentFilesMenu::save() const {
  std::vector<std::string> paths;
  for (const QString& f : files_)
    if (const auto bytes = to_1251(f)) paths.push_back(*bytes);
  return tirel::write_recent_files(tirel::to_path(config_path_), paths);
}

void RecentFilesMenu::rebuild() {
  for (QAction* a : items_) {
    menu_->removeAction(a);
    a->setObjectName({});
    a->deleteLater();  // it may be the item whose click is being handled
  }
  items_.clear();
  if (!files_.isEmpty()) items_ << menu_->insertSeparator(before_);
  for (qsizetype i = 0; i < files_.size(); ++i) {
    QString shown = QDir::toNativeSeparators(files_[i]);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), menu_);
    item->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
    connect(item, &QAction::triggered, this, [this, path = files_[i]] { emit chosen(path); });
    menu_->insertAction(before_, item);
    items_ << item;
  }
}
