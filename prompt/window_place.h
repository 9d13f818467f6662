#pragma once
// Window positions as the user means them: the left and top of the outer frame, title bar
// included, and a stored position that would leave the title bar out of reach pulled back.
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tirel {

// Where a window's frame goes when its stored top-left is `stored`: there, if its title bar
// (the frame's top `title_height` rows, in full height and at least partly across) lies on the
// available area of some screen; otherwise the whole frame on the nearest screen's available area.
QPoint reachable_frame_position(QPoint stored, QSize frame, int title_height, const QList<QRect>& available);

// The frame a window manager puts around `w`: the real one once it is shown, before that the one
// around the program's main window, or a usual title bar and border when nothing is shown yet.
QMargins expected_frame_margins(const QWidget* w);

// The available areas of all screens (the desktop without panels and docks).
QList<QRect> available_screen_areas();

// Puts the top-left of `w`'s outer frame at `p`, whether or not the window is shown yet.
void move_frame_to(QWidget* w, QPoint p);

// The frame of `w` centred on the frame of the window that owns it.
void centre_frame_on_owner(QWidget* w);

// A window as near to `wanted` (its inside) as the available area of its owner's screen allows
// with its frame, centred on its owner and kept wholly on that area.
void fit_on_screen(QWidget* w, QSize wanted);

}  // namespace tirel
