// Sets opened from outside the open dialog: the command line, another copy of the program
// handing its file over, and the list of recent files.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "prompt/prompter.h"
#include "ui/texts.h"
#include "ui/main_window.h"
#include "ui/recent_files_menu.h"

namespace {

// How soon a file handed over during a dialog or a radio exchange is tried again.
constexpr int kRetryMs = 250;

}  // namespace

void TForm1::open_from_outside(const QString& name) {
  pending_opens_ << name;
  QTimer::singleShot(0, this, &TForm1::open_pending);
}

// A dialog or an exchange in progress owns the blok until it ends: the file waits for it.
void TForm1::open_pending() {
  if (pending_opens_.isEmpty()) return;
  if (!isEnabled() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
    QTimer::singleShot(kRetryMs, this, &TForm1::open_pending);
    return;
  }
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  const QString name = pending_opens_.takeFirst();
  if (modified()) save_izm();
  open_set(name);
  if (!pending_opens_.isEmpty()) QTimer::singleShot(0, this, &TForm1::open_pending);
}

void TForm1::remember_file(const QString& name) {
  if (recent_) recent_->add(QFileInfo(name).absoluteFilePath());
}

void TForm1::open_recent(const QString& name) {
  if (!isEnabled()) return;
  if (!QFileInfo::exists(name)) {
    tirel::prompter().message(this, QMessageBox::Warning, QString::fromUtf8(tirel::text::kRecentCaption),
                              QString::fromUtf8(tirel::text::kRecentMissing).arg(QDir::toNativeSeparators(name)),
                              QMessageBox::Ok);
    recent_->remove(name);
    return;
  }
  open_set(name);
}
