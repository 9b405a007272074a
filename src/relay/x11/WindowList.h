#pragma once
// The top-level windows of the desktop, as a user sees them: client windows (not the window
// manager's frames), topmost first, with what X11 tells of each for the core's game-window rule.
#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "relay/GameWindow.h"

namespace helmsway::x11 {

struct TopLevelWindow {
    Window window = None;
    WindowFacts facts;
};

// True when an EWMH window manager runs (its check window exists and names itself).
bool hasWindowManager(Display* display);

// Every top-level window, topmost first. Ours are `own` (the helm's window, None for none), its
// dialogs, the windows of its client leader and those of this process.
std::vector<TopLevelWindow> listTopLevelWindows(Display* display, Window own);

}  // namespace helmsway::x11
