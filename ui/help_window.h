#pragma once
// The help window: the program's own help pages, opened at their contents.
#include <QDialog>
#include <QStringList>

class QTextBrowser;

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Where the help file is looked for, in order: the working folder, beside the program,
  // and the installed share folder.
  static QStringList help_candidates(const QString& working_folder);
  // Shows the contents page, or says where the file was looked for when there is none.
  // Returns whether the help is shown.
  bool show_contents(const QString& working_folder);

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};
