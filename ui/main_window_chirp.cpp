// CHIRP channel lists in the window: the choice of rows before an import, and an export that
// says which values CHIRP cannot hold.
#include <QDir>
#include <QStringList>

#include "files/chirp_csv.h"
#include "files/csv.h"
#include "prompt/prompter.h"
#include "ui/chirp_rows_dialog.h"
#include "ui/file_path.h"
#include "ui/main_window.h"
#include "ui/qs.h"
#include "ui/texts.h"

using tirel::qs;

namespace {

// A message box stays on the screen: past this many lines the rest are counted, not listed.
constexpr std::size_t kMaxListedLines = 25;

QString listed(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& l : lines) {
    if (static_cast<std::size_t>(out.size()) + 1 == kMaxListedLines && lines.size() > kMaxListedLines) {
      out << qs(tirel::text::kCsvMoreErrors).arg(lines.size() - (kMaxListedLines - 1));
      break;
    }
    out << qs(l);
  }
  return out.join(QLatin1Char('\r'));
}

}  // namespace

void TForm1::chirp_import(const QString& name, const std::string& text) {
  const tirel::chirp::List list = tirel::chirp::read_list(text, blok_);
  if (!list.error.empty()) {
    tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kCsvImportCaption),
                              qs(tirel::text::kChirpImportFailed).arg(QDir::toNativeSeparators(name), qs(list.error)),
                              QMessageBox::Ok);
    return;
  }
  ChirpRowsDialog dialog(list, name, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The whole new set is made first and then put in place at once.
  const tirel::chirp::Applied applied = tirel::chirp::apply_rows(blok_, list, dialog.chosen(), dialog.first_channel());
  if (!applied.ok) {
    tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kCsvImportCaption),
                              qs(tirel::text::kChirpImportFailed).arg(QDir::toNativeSeparators(name), qs(applied.error)),
                              QMessageBox::Ok);
    return;
  }
  edit_step(qs(tirel::text::kStepCsvImport), [&] {
    blok_ = applied.blok;
    print_wind_blok();
  });
  set_modified(true);
}

void TForm1::chirp_export(const QString& name) {
  const tirel::chirp::Export e = tirel::chirp::export_list(blok_);
  const tirel::FileResult r = tirel::save_csv_file(tirel::to_path(name), e.text);
  if (!r.ok) {
    tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kCsvExportCaption),
                              qs(tirel::text::kCsvExportFailed).arg(QDir::toNativeSeparators(name), qs(r.error)),
                              QMessageBox::Ok);
    return;
  }
  if (!e.notes.empty())
    tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kCsvExportCaption),
                              qs(tirel::text::kChirpExportNotes).arg(QDir::toNativeSeparators(name), listed(e.notes)),
                              QMessageBox::Ok);
}
