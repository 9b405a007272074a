#include "relay/qt/GameDesktop.h"

#include <QWidget>

#include "support/qt/X11Display.h"

// Xlib last: its macros (None, Bool, Status...) would otherwise clash with Qt and the core.
#include <X11/Xlib.h>

#include <optional>

#include "relay/gnome-shell/ShellRelay.h"
#include "relay/kwin/KWinRelay.h"
#include "relay/x11/X11Relay.h"

namespace helmsway::qt {
namespace {

// The keys borrowed on the display, for the whole run. Not a member of the window: when the
// X connection is lost, Qt ends the process with exit(), which skips main's stack but still
// destroys this, so the keyboard map is given back on every way out.
std::optional<x11::SpareKeys> spareKeys;

}  // namespace

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
