#pragma once
// Program start-up: one copy only, only from a fixed disk, then the windows in their order.
#include <QString>
#include <memory>

#include "app/fixed_disk.h"
#include "app/single_instance.h"

class TForm1;

namespace tirel {

struct StartupOptions {
  QString working_folder;                     // the current directory at start
  DriveClassifier classify = classify_drive;  // tests give their own
};

// The toolkit's own texts (message box buttons, the file dialogs) in Russian like the rest of
// the program, from Qt's translations (qt6-translations-l10n); false when they are not installed.
bool use_russian_toolkit_texts();

// Checks the single-instance claim and the working folder's drive, telling the user when the
// start is refused, and otherwise builds the main window and its dialogs (not yet shown).
// Nothing is created on the disk when the start is refused.
std::unique_ptr<TForm1> start_program(SingleInstance& instance, const StartupOptions& options);

}  // namespace tirel
