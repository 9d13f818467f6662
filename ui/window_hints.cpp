#include "ui/window_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tirel {
namespace {

// _MOTIF_WM_HINTS, the hints most X11 window managers read for buttons and functions.
constexpr std::uint32_t kHintFunctions = 1, kHintDecorations = 2;
constexpr std::uint32_t kFuncMove = 4, kFuncMinimise = 8, kFuncClose = 32;
constexpr std::uint32_t kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16, kDecorMinimise = 32;

}  // namespace

void offer_no_maximise(QWidget* window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* c = x11->connection();
  static const char kName[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(kName), kName), nullptr);
  if (!atom) return;
  const std::uint32_t hints[5] = {kHintFunctions | kHintDecorations, kFuncMove | kFuncMinimise | kFuncClose,
                                  kDecorBorder | kDecorTitle | kDecorMenu | kDecorMinimise, 0, 0};
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), atom->atom, atom->atom,
                      32, 5, hints);
  xcb_flush(c);
  std::free(atom);
}

}  // namespace tirel
