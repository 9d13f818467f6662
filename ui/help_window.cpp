#include "ui/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "prompt/prompter.h"
#include "ui/texts.h"

// A dialog of the main window, so that it stays above it, with the buttons of an ordinary window.
HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromUtf8(tirel::text::kHelpWindowTitle));
  resize(640, 560);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  column->addWidget(browser_);
}

QStringList HelpWindow::help_candidates(const QString& working_folder) {
  const QString name = QString::fromUtf8(tirel::text::kHelpFile);
  const QString beside = QCoreApplication::applicationDirPath();
  return {QDir(working_folder).filePath(name), QDir(beside).filePath(name),
          QDir::cleanPath(beside + QStringLiteral("/../share/tirel12/") + name)};
}

bool HelpWindow::show_contents(const QString& working_folder) {
  const QStringList candidates = help_candidates(working_folder);
  for (const QString& path : candidates) {
    if (!QFileInfo(path).isFile()) continue;
    browser_->setSource(QUrl::fromLocalFile(path));
    browser_->scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
    return true;
  }
  QStringList shown;
  for (const QString& path : candidates) shown << QDir::toNativeSeparators(path);
  tirel::prompter().message(parentWidget(), QMessageBox::Warning, QString::fromUtf8(tirel::text::kHelpCaption),
                            QString::fromUtf8(tirel::text::kHelpMissing).arg(shown.join(QLatin1Char('\r'))),
                            QMessageBox::Ok);
  return false;
}
