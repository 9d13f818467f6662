#include "prompt/prompter.h"

#include <QFileDialog>
#include <QPointer>

namespace tirel {
namespace {

QPointer<QWidget> g_owner;

QWidget* owner_or(QWidget* parent) { return parent ? parent : owner_window(); }

class DialogPrompter final : public Prompter {
 public:
  QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                      const QString& text, QMessageBox::StandardButtons buttons) override {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, caption, shown, buttons, owner_or(parent));
    // A box must answer even while its owner is locked for a radio exchange.
    box.setEnabled(true);
    return static_cast<QMessageBox::StandardButton>(box.exec());
  }

  QString open_file_name(QWidget* parent, const QString& dir, const QString& filter) override {
    QFileDialog dialog(owner_or(parent), QString(), dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
  }

  QString save_file_name(QWidget* parent, const QString& dir, const QString& filter,
                         const QString& default_suffix) override {
    QFileDialog dialog(owner_or(parent), QString(), dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(default_suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
  }

  QString save_file_name_of_kind(QWidget* parent, const QString& dir, const QString& filters,
                                 const QString& default_suffix, QString& chosen) override {
    QFileDialog dialog(owner_or(parent), QString(), dir, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(default_suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    chosen = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
  }
};

DialogPrompter g_dialogs;
Prompter* g_current = nullptr;

}  // namespace

QString Prompter::save_file_name_of_kind(QWidget* parent, const QString& dir, const QString& filters,
                                         const QString& default_suffix, QString& chosen) {
  chosen = filters.section(QStringLiteral(";;"), 0, 0);
  return save_file_name(parent, dir, chosen, default_suffix);
}

void set_owner_window(QWidget* w) { g_owner = w; }
QWidget* owner_window() { return g_owner.data(); }

Prompter& prompter() { return g_current ? *g_current : g_dialogs; }
void set_prompter(Prompter* p) { g_current = p; }

}  // namespace tirel
