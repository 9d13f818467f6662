#pragma once
// Small modal windows: centred on the window that owns them, in the main window's type face.
class QFont;
class QWidget;

namespace tirel {

void centre_on_parent(QWidget* dialog);

// MS Sans Serif 8, or the nearest face of the same width where it is missing.
QFont dialog_font();

}  // namespace tirel
