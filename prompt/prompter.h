#pragma once
// Every question and message the program puts to the user goes through here, so tests can
// answer them without a screen.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace tirel {

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A modal message box. In texts, "\r" is a line break. Returns the button pressed.
  virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QMessageBox::StandardButtons buttons) = 0;
  // The open dialog; empty when cancelled.
  virtual QString open_file_name(QWidget* parent, const QString& dir, const QString& filter) = 0;
  // The save dialog: appends `default_suffix` to a name without one and asks before overwriting.
  // Empty when cancelled.
  virtual QString save_file_name(QWidget* parent, const QString& dir, const QString& filter,
                                 const QString& default_suffix) = 0;
  // The save dialog offering several kinds of file (filters joined by ";;"): `chosen` gets the
  // one selected when the user accepted. Without an override only the first kind is offered.
  virtual QString save_file_name_of_kind(QWidget* parent, const QString& dir, const QString& filters,
                                         const QString& default_suffix, QString& chosen);
};

// The window that owns message boxes and file dialogs asked for without one: the main window.
// A window manager then keeps them above it.
void set_owner_window(QWidget* w);
QWidget* owner_window();

// The program's prompter: real dialogs unless a test has installed its own.
Prompter& prompter();
// Installs `p` (not owned); nullptr restores the real dialogs.
void set_prompter(Prompter* p);

}  // namespace tirel
