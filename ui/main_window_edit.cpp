// The "Правка" menu: undo and redo of every change the user makes to the blok, and copying a
// channel onto another, also through the system clipboard as a row of the CSV table.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "blok/layout.h"
#include "files/channel_paste.h"
#include "files/csv.h"
#include "prompt/prompter.h"
#include "ui/main_window.h"
#include "ui/qs.h"
#include "ui/texts.h"

using tirel::qs;

namespace {

// A message box stays on the screen: past this many lines the rest are counted, not listed.
constexpr std::size_t kMaxListedErrors = 25;

QString error_list(const std::vector<tirel::CsvError>& errors) {
  QStringList lines;
  for (std::size_t i = 0; i < errors.size(); ++i) {
    if (i + 1 == kMaxListedErrors && errors.size() > kMaxListedErrors) {
      lines << qs(tirel::text::kCsvMoreErrors).arg(errors.size() - i);
      break;
    }
    lines << QString::fromStdString(tirel::csv_error_text(errors[i]));
  }
  return lines.join(QLatin1Char('\r'));
}

// Our own copy may come back from the clipboard with other line ends.
QString without_cr(QString s) { return s.remove(QLatin1Char('\r')); }

}  // namespace

QMenu* TForm1::build_edit_menu() {
  edit_menu_ = new QMenu(qs(tirel::text::kEditMenu), this);
  QAction* undo = edit_menu_->addAction(qs(tirel::text::kUndo), this, &TForm1::UndoClick);
  undo->setObjectName(QStringLiteral("Undo"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = edit_menu_->addAction(qs(tirel::text::kRedo), this, &TForm1::RedoClick);
  redo->setObjectName(QStringLiteral("Redo"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit_menu_->addSeparator();
  QAction* copy = edit_menu_->addAction(qs(tirel::text::kCopyChannel), this, &TForm1::CopyChannelClick);
  copy->setObjectName(QStringLiteral("CopyChannel"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  QAction* paste = edit_menu_->addAction(qs(tirel::text::kPasteChannel), this, &TForm1::PasteChannelClick);
  paste->setObjectName(QStringLiteral("PasteChannel"));
  paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  refresh_edit_items();
  return edit_menu_;
}

QAction* TForm1::edit_action(const char* name) const {
  return edit_menu_ ? edit_menu_->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

void TForm1::refresh_edit_items() {
  QAction* undo = edit_action("Undo");
  QAction* redo = edit_action("Redo");
  if (!undo || !redo) return;
  const auto named = [](const char* item, const std::string& step) {
    return step.empty() ? qs(item) : qs(item) + qs(tirel::text::kStepSeparator) + QString::fromStdString(step);
  };
  undo->setText(named(tirel::text::kUndo, history_.undo_label()));
  undo->setEnabled(history_.can_undo());
  redo->setText(named(tirel::text::kRedo, history_.redo_label()));
  redo->setEnabled(history_.can_redo());
}

void TForm1::edit_step(const QString& label, const std::function<void()>& edit) {
  const tirel::Blok before = blok_;
  edit();
  history_.record(before, blok_, label.toStdString());
  refresh_edit_items();
}

// As an opened file is shown: the band list and its limits follow the band code.
void TForm1::show_step(const tirel::Blok& b) {
  blok_ = b;
  select_band(tirel::band_code(blok_));
  print_wind_blok();
  set_modified(true);
  refresh_edit_items();
}

void TForm1::UndoClick() {
  if (!isEnabled()) return;  // a radio exchange is running
  if (const auto b = history_.undo()) show_step(*b);
}

void TForm1::RedoClick() {
  if (!isEnabled()) return;
  if (const auto b = history_.redo()) show_step(*b);
}

void TForm1::CopyChannelClick() {
  const int row = StringGrid101->currentRow();
  if (!isEnabled() || row < 0 || row >= tirel::kChannelCount) return;
  const int n = row + 1;
  const QString text = QString::fromStdString(tirel::export_csv_channel(blok_, n));
  copied_ = CopiedChannel{tirel::channel_data(blok_, n), tirel::band_code(blok_), text};
  QApplication::clipboard()->setText(text);
}

// The clipboard's text wins unless it is what our own copy put there: then the channel's bytes
// go in as they were, raw values included. A channel from a set of another band is entered
// from its text, so that its frequencies are checked against this band.
void TForm1::PasteChannelClick() {
  const int row = StringGrid101->currentRow();
  if (!isEnabled() || row < 0 || row >= tirel::kChannelCount) return;
  const int n = row + 1;
  const QString clip = QApplication::clipboard()->text();
  const bool own = copied_ && (clip.isEmpty() || without_cr(clip) == without_cr(copied_->text));
  if (own && copied_->band == tirel::band_code(blok_)) {
    edit_step(qs(tirel::text::kStepPaste).arg(n), [&] {
      tirel::set_channel_data(blok_, n, copied_->data);
      print_wind_blok();
    });
    set_modified(true);
    return;
  }
  const QString text = own ? copied_->text : clip;
  if (text.trimmed().isEmpty()) {
    tirel::prompter().message(this, QMessageBox::Information, qs(tirel::text::kPasteCaption),
                              qs(tirel::text::kPasteEmpty), QMessageBox::Ok);
    return;
  }
  const tirel::CsvImport pasted = tirel::paste_rows(text.toStdString(), blok_, n);
  if (!pasted.ok) {
    tirel::prompter().message(this, QMessageBox::Warning, qs(tirel::text::kPasteCaption),
                              qs(tirel::text::kPasteFailed).arg(error_list(pasted.errors)), QMessageBox::Ok);
    return;
  }
  const QString label = pasted.channels == 1 ? qs(tirel::text::kStepPaste).arg(n)
                                             : qs(tirel::text::kStepPasteMany).arg(n).arg(n + pasted.channels - 1);
  edit_step(label, [&] {
    blok_ = pasted.blok;
    print_wind_blok();
  });
  set_modified(true);
}
