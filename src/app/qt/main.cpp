// Helmsway: the main window is created with every control as laid out, loads (start values,
// Simple height, kept on top) and is then shown; closing it ends the program.
#include <QApplication>
#include <cstdio>
#include <vector>

#include "app/qt/QtDesktop.h"
#include "app/qt/QuitOnSignal.h"
#include "relay/x11/Guardian.h"

// Xlib last: its macros (None, Bool, Status...) would otherwise clash with Qt and the core.
#include <X11/Xlib.h>

namespace {

bool x11DisplayExists() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The program takes no options: Qt sees the program's name only, not its own switches, and
    // the platform chosen here. The game window is found, activated and typed into through X11,
    // and the game runs there (SDL2 and Wine use X11 on a Wayland session too, by XWayland),
    // so the helm's window must be an X11 window as well: on a Wayland session Qt would take its
    // Wayland plugin, and the relay would have no display to work with.
    char programName[] = "helmsway";
    char platformOption[] = "-platform";
    char xcb[] = "xcb";
    std::vector<char*> qtArgv{argc > 0 ? argv[0] : programName};
    if (x11DisplayExists()) {
        qtArgv.insert(qtArgv.end(), {platformOption, xcb});
        helmsway::x11::guardBorrowedKeys();
    } else {
        std::fputs(
            "helmsway: no X11 display (is XWayland off?): the helm can neither bring the game "
            "window to the front nor type into it\n",
            stderr);
    }
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication app(qtArgc, qtArgv.data());
    helmsway::qt::quitOnTerminationSignals();
    helmsway::qt::QtDesktop desktop;
    desktop.form().Form_Load();
    desktop.window().showCentred();
    return QApplication::exec();
}
