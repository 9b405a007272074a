#pragma once
// The top-level windows of the desktop, as a user sees them: client windows (not the window
// manager's frames), topmost first, with their titles.
#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace helmsway::x11 {

struct TopLevelWindow {
    Window window = None;
    std::string title;  // UTF-8
};

// True when an EWMH window manager runs (its check window exists and names itself).
bool hasWindowManager(Display* display);

std::vector<TopLevelWindow> listTopLevelWindows(Display* display);

// _NET_WM_NAME (UTF-8), else WM_NAME converted to UTF-8; empty when there is neither.
std::string windowTitle(Display* display, Window window);

}  // namespace helmsway::x11
