#pragma once
// What the main window tells an X11 window manager about its title-bar buttons.
class QWidget;

namespace tirel {

// A window of fixed size: no maximise button and no resizing, only move, minimise and close.
// The toolkit always offers resizing in its hints, which some window managers answer with a
// maximise button; these hints replace its own. Elsewhere than on X11 it does nothing.
void offer_no_maximise(QWidget* window);

}  // namespace tirel
