#pragma once
// The last five parameter files opened or saved, listed in the "Файл" menu and kept in
// config.ini. A path that Windows-1251 cannot hold is not listed.
#include <QObject>
#include <QString>
#include <QStringList>

#include "files/param_file.h"

class QAction;
class QMenu;

class RecentFilesMenu : public QObject {
  Q_OBJECT

 public:
  // Reads the list from `config_path` and shows it in `menu` just before `before`.
  RecentFilesMenu(QMenu* menu, QAction* before, const QString& config_path, QObject* parent);

  QStringList files() const { return files_; }
  void add(const QString& path);
  void remove(const QString& path);
  // Writes the list into config.ini, leaving the rest of the file as it is.
  [[nodiscard]] tirel::FileResult save() const;

 signals:
  void chosen(const QString& path);

 private:
  void rebuild();

  QMenu* menu_;
  QAction* before_;
  QString config_path_;
  QStringList files_;
  QList<QAction*> items_;
};
