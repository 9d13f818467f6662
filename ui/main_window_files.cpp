// The file commands: new, open, save, save as, and the question on close.
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "files/param_file.h"
#include "prompt/prompter.h"
#include "ui/file_path.h"
#include "ui/main_window.h"
#include "ui/qs.h"
#include "ui/texts.h"

using tirel::qs;

namespace {

void report_file_error(QWidget* parent, const char* what, const QString& path, const std::string& cause) {
  tirel::prompter().message(parent, QMessageBox::Warning, qs(tirel::text::kFileErrorCaption),
                            qs(what).arg(QDir::toNativeSeparators(path), QString::fromStdString(cause)),
                            QMessageBox::Ok);
}

}  // namespace

void TForm1::N2Click() {
  const auto answer = tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kNewQuestionCaption),
                                                qs(tirel::text::kNewQuestion), QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes) {
    blok_ = tirel::new_blok(ComboBox1->currentIndex());
    set_current_file_name({});
    history_.clear();  // undoing into the old set would put it under no name of its own
    refresh_edit_items();
  }
  print_wind_blok();
}

void TForm1::N3Click() {
  const QString name = tirel::prompter().open_file_name(this, save_folder(), qs(tirel::text::kFileFilter));
  if (!name.isEmpty()) {
    open_set(name);
    return;
  }
  select_band(tirel::band_code(blok_));
  print_wind_blok();
  set_current_file_name(name);
  PageControl1->setFocus();
}

bool TForm1::open_set(const QString& name) {
  // The file is read into a copy: a failed read leaves the blok, the band and the name as they were.
  tirel::Blok loaded = blok_;
  const tirel::FileResult r = tirel::load_param_file(tirel::to_path(name), loaded);
  if (!r.ok) {
    report_file_error(this, tirel::text::kOpenFailed, name, r.error);
    return false;
  }
  blok_ = loaded;
  history_.clear();
  refresh_edit_items();
  select_band(tirel::band_code(blok_));
  print_wind_blok();
  set_current_file_name(name);
  remember_file(name);
  PageControl1->setFocus();
  return true;
}

TForm1::SaveOutcome TForm1::N5Click() {
  const QString name = current_file_name();
  if (name.isEmpty()) return N6Click();
  const tirel::FileResult r = tirel::save_param_file(tirel::to_path(name), blok_);
  if (!r.ok) {
    report_file_error(this, tirel::text::kSaveFailed, name, r.error);
    return SaveOutcome::failed;
  }
  set_modified(false);
  remember_file(name);
  return SaveOutcome::saved;
}

TForm1::SaveOutcome TForm1::N6Click() {
  const QString name = tirel::prompter().save_file_name(this, save_folder(), qs(tirel::text::kFileFilter),
                                                        qs(tirel::text::kFileSuffix));
  if (name.isEmpty()) return SaveOutcome::cancelled;
  const tirel::FileResult r = tirel::save_param_file(tirel::to_path(name), blok_);
  if (!r.ok) {
    report_file_error(this, tirel::text::kSaveFailed, name, r.error);
    return SaveOutcome::failed;
  }
  set_current_file_name(name);
  set_modified(false);
  remember_file(name);
  return SaveOutcome::saved;
}

// The window closes whatever the answer. A save that fails on the way out would lose the
// user's changes silently, so after a failure the question comes again and a Yes then offers
// the save dialog for another place; No or a cancelled dialog closes without saving.
void TForm1::save_izm() {
  bool choose_name = false;
  for (;;) {
    const auto answer = tirel::prompter().message(this, QMessageBox::Question, qs(tirel::text::kSaveQuestionCaption),
                                                  qs(tirel::text::kSaveQuestion), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    if ((choose_name ? N6Click() : N5Click()) != SaveOutcome::failed) return;
    choose_name = true;
  }
}
