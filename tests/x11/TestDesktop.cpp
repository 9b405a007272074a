#include "TestDesktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "relay/x11/WindowList.h"
#include "support/x11/Properties.h"

namespace helmsway::x11::test {
namespace {

// The windows a property of the root window lists.
std::vector<unsigned long> rootWindows(Display* display, const char* property) {
    return longsProperty(display, DefaultRootWindow(display), atom(display, property), XA_WINDOW);
}

}  // namespace

Display* testDisplay() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

TestWindow::TestWindow(Display* display, const std::string& title, bool utf8Title,
                       Window transientFor)
    : display_(display) {
    window_ = XCreateSimpleWindow(display, DefaultRootWindow(display), 200, 200, 200, 100, 0, 0,
                                  WhitePixel(display, DefaultScreen(display)));
    XStoreName(display, window_, title.c_str());
    if (utf8Title)
        XChangeProperty(display, window_, XInternAtom(display, "_NET_WM_NAME", False),
                        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
    if (transientFor != None) XSetTransientForHint(display, window_, transientFor);
    XWMHints hints{};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window_, &hints);
    XMapWindow(display, window_);
    XSync(display, False);
    const bool managed = hasWindowManager(display);
    eventually([&] {
        if (managed) {
            const auto clients = rootWindows(display, "_NET_CLIENT_LIST");
            if (std::find(clients.begin(), clients.end(), window_) == clients.end()) return false;
        }
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, window_, &attributes);
        return attributes.map_state == IsViewable;
    });
}

TestWindow::~TestWindow() {
    XDestroyWindow(display_, window_);
    XSync(display_, False);
}

Window focusedTopLevel(Display* display) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus;
}

Window activeWindow(Display* display) {
    const auto active = rootWindows(display, "_NET_ACTIVE_WINDOW");
    return active.empty() ? None : active[0];
}

bool keyIsDown(Display* display, KeyCode keycode) {
    char keys[32] = {};
    XQueryKeymap(display, keys);
    return (keys[keycode / 8] >> (keycode % 8)) & 1;
}

}  // namespace helmsway::x11::test
