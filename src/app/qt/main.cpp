// Helmsway: the main window is created with every control as laid out, loads (start values,
// Simple height, kept on top) and is then shown; closing it ends the program.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/qt/QtDesktop.h"
#include "app/qt/QuitOnSignal.h"
#include "relay/x11/Guardian.h"
#include "relay/qt/GameDesktop.h"

// Xlib last: its macros (None, Bool, Status...) would otherwise clash with Qt and the core.
#include <X11/Xlib.h>

namespace {

bool x11DisplayExists() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

// A desktop that needs a step once before commands reach the game says so at each start until
// it is taken, on the error output and beside the helm, which keeps working meanwhile.
void tellSetupNeeded(QWidget& helm) {
    const std::string setup = helmsway::qt::setupNeeded();
    if (setup.empty()) return;
    std::fprintf(stderr, "helmsway: %s\n", setup.c_str());
    auto* notice = new QMessageBox(QMessageBox::Information, QStringLiteral("Helmsway setup"),
                                   QString::fromStdString(setup), QMessageBox::Ok, &helm);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setModal(false);
    notice->show();
}

}  // namespace

int main(int argc, char* argv[]) {
    // The game window is found, activated and typed into through X11, where the game runs on a
    // Wayland session too (SDL2 and Wine use Xwayland there). Without an X11 display the helm
    // could do nothing: no window that pretends otherwise, and no toolkit abort either.
    if (!x11DisplayExists()) {
        std::fputs(
            "helmsway: no X11 display (DISPLAY unset, or Xwayland off): the game window "
            "can only be reached through X11\n",
            stderr);
        return 1;
    }
    // Forked before Qt starts any thread.
    helmsway::x11::guardBorrowedKeys();
    // The program takes no options: Qt sees the program's name only, not its own switches, and
    // the platform chosen here. The helm's window must be an X11 window as well: on a Wayland
    // session Qt would take its Wayland plugin, and the relay would have no display to work with.
    char programName[] = "helmsway";
    char platformOption[] = "-platform";
    char xcb[] = "xcb";
    char* qtArgv[] = {argc > 0 ? argv[0] : programName, platformOption, xcb, nullptr};
    int qtArgc = 3;
    QApplication app(qtArgc, qtArgv);
    helmsway::qt::quitOnTerminationSignals();
    helmsway::qt::QtDesktop desktop;
    desktop.form().Form_Load();
    desktop.window().showCentred();
    tellSetupNeeded(desktop.window());
    return QApplication::exec();
}
