#pragma once
// Small modal windows: centred on the window that owns them, in the main window's type face.
class QFont;
class QWidget;

namespace tirel {

void centre_on_parent(QWidget* dialog);

// MS Sans Serif 8, or the nearest face of the same width where it is missing.
QFont dialog_font();

// Lets "MS Sans Serif" stand for its stand-in wherever a window names it.
void install_font_stand_ins();
// Also makes dialog_font() the font of every window the program opens, message boxes and
// drop-down menus included.
void use_program_font();

}  // namespace tirel
