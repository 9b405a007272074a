// Helmsway: the main window is created with every control as laid out, loads (start values,
// Simple height, kept on top) and is then shown; closing it ends the program.
#include <QApplication>

#include "app/qt/QtDesktop.h"
#include "app/qt/QuitOnSignal.h"

int main(int argc, char* argv[]) {
    // The program takes no options: Qt sees the program's name only, not its own switches.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    helmsway::qt::quitOnTerminationSignals();
    helmsway::qt::QtDesktop desktop;
    desktop.form().Form_Load();
    desktop.window().showCentred();
    return QApplication::exec();
}
