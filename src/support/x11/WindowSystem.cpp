#include "support/x11/WindowSystem.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <QWidget>

// Xlib last: its macros (None, Bool, Status...) would otherwise clash with Qt and the core.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <optional>

#include "relay/gnome-shell/ShellRelay.h"
#include "relay/kwin/KWinRelay.h"
#include "relay/x11/Properties.h"
#include "relay/x11/X11Relay.h"

namespace helmsway::qt {
namespace {

// The keys borrowed on the display, for the whole run. Not a member of the window: when the
// X connection is lost, Qt ends the process with exit(), which skips main's stack but still
// destroys this, so the keyboard map is given back on every way out.
std::optional<x11::SpareKeys> spareKeys;

Display* x11Display() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

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

// Where GNOME Shell runs Helmsway's extension, or KWin lets Helmsway type, the game may be a
// native Wayland window, out of X11's sight: the desktop then finds, raises and types for every
// game, X11 ones included.
bool activateGameWindow(const QWidget& own, unsigned long userInput) {
    if (gnome_shell::extensionRuns()) return gnome_shell::activateGameWindow(userInput);
    if (kwin::reachable()) return kwin::activateGameWindow();
    Display* display = x11Display();
    if (!display) return false;
    return x11::activateGameWindow(display, static_cast<Window>(own.winId()), userInput);
}

void sendKeys(const KeySequence& keys) {
    Display* display = x11Display();
    if (!display) return;
    if (gnome_shell::extensionRuns()) {
        gnome_shell::sendKeys(display, keys);
        return;
    }
    if (kwin::reachable()) {
        kwin::sendKeys(display, keys);
        return;
    }
    if (!spareKeys) spareKeys.emplace(display);
    x11::sendKeys(display, *spareKeys, keys);
}

std::string setupNeeded() {
    std::string gnome = gnome_shell::setupNeeded();
    return gnome.empty() ? kwin::setupNeeded() : gnome;
}

}  // namespace helmsway::qt
