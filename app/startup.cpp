#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "prompt/prompter.h"
#include "ui/dialog_place.h"
#include "ui/file_path.h"
#include "ui/main_window.h"
#include "ui/texts.h"

namespace tirel {

bool use_russian_toolkit_texts() {
  static QTranslator* installed = nullptr;
  if (installed) return true;
  auto* toolkit = new QTranslator(QCoreApplication::instance());
  if (!toolkit->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete toolkit;
    return false;
  }
  QCoreApplication::installTranslator(toolkit);
  installed = toolkit;
  return true;
}

std::unique_ptr<TForm1> start_program(SingleInstance& instance, const StartupOptions& options) {
  use_russian_toolkit_texts();
  if (!instance.acquire()) {
    prompter().message(nullptr, QMessageBox::Critical, QString::fromUtf8(text::kAlreadyRunningCaption),
                       QString::fromUtf8(text::kAlreadyRunning), QMessageBox::Ok);
    return nullptr;
  }
  QCoreApplication::setApplicationName(QString::fromUtf8(text::kAppTitle));

  const DriveKind drive = options.classify ? options.classify(to_path(options.working_folder)) : DriveKind::unknown;
  if (drive != DriveKind::fixed) {
    QApplication::beep();
    prompter().message(nullptr, QMessageBox::Critical, QString::fromUtf8(text::kNotFixedDiskCaption),
                       QString::fromUtf8(text::kNotFixedDisk), QMessageBox::Ok);
    return nullptr;
  }

  use_program_font();
  auto main_window = std::make_unique<TForm1>(options.working_folder);
  main_window->create_dialogs();
  return main_window;
}

}  // namespace tirel
