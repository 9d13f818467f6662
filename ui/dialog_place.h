#pragma once
// Small modal windows open centred on the window that owns them.
class QWidget;

namespace tirel {

void centre_on_parent(QWidget* dialog);

}  // namespace tirel
