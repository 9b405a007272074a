// Types a UTF-8 text file, one line per Enter, into the game window through Helmsway's X11
// relay: the window is activated as a click does, and after Timer1's 300 ms the whole text goes
// to the same sendKeys the tick calls, escaped the way a ship name is. Keys borrowed for it stay
// bound, as in the program, until standard input ends (the benchmark has read every line).
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "relay/x11/X11Relay.h"
#include "relay/KeystrokeNotation.h"
#include "server-time/ServerTime.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: type-through-helmsway <text file>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line, text;
    while (std::getline(in, line)) text += helmsway::escapeKeystrokeText(line) + "{ENTER}";
    const auto keys = helmsway::parseKeystrokeText(text);
    if (!keys) {
        std::fprintf(stderr, "type-through-helmsway: the text is not valid\n");
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    if (!helmsway::x11::activateGameWindow(display, 0, helmsway::x11::serverTime(display))) {
        std::fprintf(stderr, "type-through-helmsway: no game window\n");
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    {
        helmsway::x11::SpareKeys spare(display);
        helmsway::x11::sendKeys(display, spare, *keys);
        while (std::getchar() != EOF) {
        }
    }
    XCloseDisplay(display);
    return 0;
}
