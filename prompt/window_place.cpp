#include "prompt/window_place.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <climits>

namespace tirel {
namespace {

// A title bar is within reach when at least this much of it can be grabbed.
constexpr int kGripWidth = 60;
// Before any window is shown the frame is not known; a usual one is assumed.
constexpr QMargins kUsualFrame(4, 28, 4, 4);

int horizontal_overlap(const QRect& a, const QRect& b) {
  return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) + 1;
}

int gap(const QRect& a, const QRect& b) {
  const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
  const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
  return dx + dy;
}

QMargins shown_frame(const QWidget* w) {
  if (!w || !w->isVisible() || !w->windowHandle()) return {};
  return w->windowHandle()->frameMargins();
}

}  // namespace

QPoint reachable_frame_position(QPoint stored, QSize frame, int title_height, const QList<QRect>& available) {
  if (available.isEmpty()) return stored;
  const QRect title(stored, QSize(frame.width(), std::max(1, title_height)));
  for (const QRect& a : available) {
    const bool rows_inside = title.top() >= a.top() && title.bottom() <= a.bottom();
    if (rows_inside && horizontal_overlap(title, a) >= std::min(kGripWidth, frame.width())) return stored;
  }
  const QRect whole(stored, frame);
  const QRect* nearest = &available.front();
  int best = INT_MAX;
  for (const QRect& a : available) {
    const int d = gap(whole, a);
    if (d < best) {
      best = d;
      nearest = &a;
    }
  }
  const QRect& a = *nearest;
  const int x = std::max(a.left(), std::min(stored.x(), a.left() + a.width() - frame.width()));
  const int y = std::max(a.top(), std::min(stored.y(), a.top() + a.height() - frame.height()));
  return {x, y};
}

QMargins expected_frame_margins(const QWidget* w) {
  if (const QMargins own = shown_frame(w); !own.isNull()) return own;
  if (w && w->parentWidget()) {
    if (const QMargins owner = shown_frame(w->parentWidget()->window()); !owner.isNull()) return owner;
  }
  for (const QWidget* top : QApplication::topLevelWidgets())
    if (const QMargins other = shown_frame(top); !other.isNull()) return other;
  return kUsualFrame;
}

QList<QRect> available_screen_areas() {
  QList<QRect> areas;
  for (const QScreen* s : QGuiApplication::screens()) areas.append(s->availableGeometry());
  return areas;
}

void move_frame_to(QWidget* w, QPoint p) {
  if (!shown_frame(w).isNull()) {
    // The toolkit knows the frame of a shown window and moves it by its corner.
    w->move(p);
    return;
  }
  // Not shown yet: the window manager is asked to put the frame's corner there. Without this the
  // window's inside would land at p and its title bar above it.
  w->winId();
  w->move(p);
  w->windowHandle()->setFramePosition(p);
}

void centre_frame_on_owner(QWidget* w) {
  const QWidget* owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
  if (!owner) return;
  const QMargins m = expected_frame_margins(w);
  const QSize frame = w->size().grownBy(m);
  QRect r(QPoint(), frame);
  r.moveCenter(owner->frameGeometry().center());
  move_frame_to(w, r.topLeft());
}

void fit_on_screen(QWidget* w, QSize wanted) {
  const QWidget* owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins m = expected_frame_margins(w);
  const QSize room = area.size().shrunkBy(m);
  w->resize(wanted.boundedTo(room).expandedTo(w->minimumSize()).boundedTo(room));
  QRect frame(QPoint(), w->size().grownBy(m));
  frame.moveCenter(owner ? owner->frameGeometry().center() : area.center());
  frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.left() + area.width() - frame.width())));
  frame.moveTop(std::max(area.top(), std::min(frame.top(), area.top() + area.height() - frame.height())));
  move_frame_to(w, frame.topLeft());
}

}  // namespace tirel
