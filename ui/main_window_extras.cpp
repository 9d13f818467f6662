// Commands beyond the original set: checking the radio against the window's set, backups of
// what went into or came out of a radio, and the channel table in and out of CSV.
#include <QDir>
#include <QLocale>
#include <QStringList>

#include "blok/layout.h"
#include "files/backup.h"
#include "files/chirp_csv.h"
#include "files/csv.h"
#include "link/texts.h"
#include "link/verify.h"
#include "prompt/prompter.h"
#include "ui/file_path.h"
#include "ui/main_window.h"
#include "ui/qs.h"
#include "ui/radio_link.h"
#include "ui/texts.h"

using tirel::qs;

namespace {

// A message box stays on the screen: past this many lines the rest are counted, not listed.
constexpr std::size_t kMaxListedLines = 25;

void warn(QWidget* parent, const char* caption, const QString& text) {
  tirel::prompter().message(parent, QMessageBox::Warning, qs(caption), text, QMessageBox::Ok);
}

}  // namespace

void TForm1::back_up(bool after_read) {
  const tirel::BackupResult r = tirel::save_backup(tirel::to_path(backup_folder()), blok_,
                                                   after_read ? tirel::BackupKind::read : tirel::BackupKind::write);
  if (r.ok || backup_warned_) return;
  backup_warned_ = true;
  warn(this, tirel::text::kBackupCaption,
       qs(tirel::text::kBackupFailed).arg(QDir::toNativeSeparators(backup_folder()), qs(r.error)));
}

void TForm1::VerifyClick() {
  if (!radio_) return;
  std::vector<std::string> report;
  bool matches = false;
  const std::string sep = QLocale().decimalPoint().toStdString();
  const bool read = radio_->read_for_check([&](const tirel::ReadBuffer& rb) {
    const tirel::RadioCheck c = tirel::verify_read(rb, blok_, sep);
    matches = c.identical();
    report = tirel::verify_report(c, kMaxListedLines);
  });
  if (!read) return;
  QStringList lines;
  for (const std::string& line : report) lines << qs(line);
  tirel::prompter().message(this, matches ? QMessageBox::Information : QMessageBox::Warning,
                            qs(tirel::link_text::kVerifyCaption), lines.join(QLatin1Char('\r')), QMessageBox::Ok);
}

void TForm1::CsvExportClick() {
  QString kind;
  const QString name = tirel::prompter().save_file_name_of_kind(
      this, save_folder(), qs(tirel::text::kCsvFilter) + QStringLiteral(";;") + qs(tirel::text::kChirpFilter),
      qs(tirel::text::kCsvSuffix), kind);
  if (name.isEmpty()) return;
  if (kind == qs(tirel::text::kChirpFilter)) return chirp_export(name);
  const tirel::FileResult r = tirel::save_csv_file(tirel::to_path(name), tirel::export_csv(blok_));
  if (!r.ok)
    warn(this, tirel::text::kCsvExportCaption,
         qs(tirel::text::kCsvExportFailed).arg(QDir::toNativeSeparators(name), qs(r.error)));
}

void TForm1::CsvImportClick() {
  const QString name = tirel::prompter().open_file_name(this, save_folder(), qs(tirel::text::kCsvFilter));
  if (name.isEmpty()) return;
  std::string text;
  if (const tirel::FileResult r = tirel::load_csv_file(tirel::to_path(name), text); !r.ok) {
    warn(this, tirel::text::kCsvImportCaption,
         qs(tirel::text::kCsvOpenFailed).arg(QDir::toNativeSeparators(name), qs(r.error)));
    return;
  }
  if (tirel::chirp::looks_like_chirp(text)) return chirp_import(name, text);
  const tirel::CsvImport imported = tirel::import_csv(text, blok_);
  if (!imported.ok) {
    QStringList errors;
    for (const tirel::CsvError& e : imported.errors) {
      if (static_cast<std::size_t>(errors.size()) + 1 == kMaxListedLines && imported.errors.size() > kMaxListedLines) {
        errors << qs(tirel::text::kCsvMoreErrors).arg(imported.errors.size() - (kMaxListedLines - 1));
        break;
      }
      errors << qs(tirel::csv_error_text(e));
    }
    warn(this, tirel::text::kCsvImportCaption,
         qs(tirel::text::kCsvImportFailed)
             .arg(QDir::toNativeSeparators(name), qs(tirel::csv_encoding_text(imported)), errors.join(QLatin1Char('\r'))));
    return;
  }
  const int old_band = tirel::band_code(blok_);
  edit_step(qs(tirel::text::kStepCsvImport), [&] {
    blok_ = imported.blok;
    if (tirel::band_code(blok_) != old_band) select_band(tirel::band_code(blok_));
    print_wind_blok();
  });
  set_modified(true);
  // A file that was not UTF-8 was read in the spreadsheet's own encoding: the user is told so.
  if (imported.encoding != tirel::csv::Encoding::utf8)
    tirel::prompter().message(this, QMessageBox::Information, qs(tirel::text::kCsvImportCaption),
                              qs(tirel::csv_encoding_text(imported)), QMessageBox::Ok);
}
