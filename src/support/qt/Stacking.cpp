#include "support/qt/Stacking.h"

#include <QWidget>

#include "support/qt/X11Display.h"

// Xlib last: its macros (None, Bool, Status...) would otherwise clash with Qt and the core.
#include <X11/Xlib.h>

#include "support/x11/Properties.h"

namespace helmsway::qt {
namespace {

// A mapped window's state belongs to the window manager, which changes it on request.
void requestAbove(Display* display, Window window, bool on) {
    constexpr long kRemove = 0;
    constexpr long kAdd = 1;
    constexpr long kSourceApplication = 1;
    x11::sendToWindowManager(
        display, window, "_NET_WM_STATE",
        {on ? kAdd : kRemove, static_cast<long>(x11::atom(display, "_NET_WM_STATE_ABOVE")), 0,
         kSourceApplication});
    XFlush(display);
}

}  // namespace

void keepOnTop(QWidget& window, bool on) {
    Display* display = x11Display();
    if (window.isVisible() && display) {
        requestAbove(display, static_cast<Window>(window.winId()), on);
        return;
    }
    // Not mapped yet: Qt writes _NET_WM_STATE_ABOVE into the window's properties when it maps
    // it, which is how EWMH wants the state of a new window given. Once shown, setWindowFlag
    // would hide the window and map it anew, so it is used that way only where there is no
    // window manager to ask (the offscreen platform).
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) window.show();
}

}  // namespace helmsway::qt
