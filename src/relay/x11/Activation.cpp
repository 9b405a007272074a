// Finding the game window and bringing it to the front.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <vector>

#include "ErrorTrap.h"
#include "Properties.h"
#include "WindowList.h"
#include "X11Relay.h"
#include "relay/GameWindow.h"

namespace helmsway::x11 {
namespace {

// The server's time now, for the activation request: a window manager that prevents focus
// stealing compares it with the user's last input. Read by touching a property of a window of
// our own; when the event queue is not Xlib's (a toolkit may own the connection) the helm's
// own last user time stands in.
Time currentTime(Display* display, Window own) {
    const Window probe = XCreateWindow(display, DefaultRootWindow(display), -1, -1, 1, 1, 0,
                                       CopyFromParent, InputOnly, CopyFromParent, 0, nullptr);
    XSelectInput(display, probe, PropertyChangeMask);
    const Atom stamp = atom(display, "_HELMSWAY_TIMESTAMP");
    XChangeProperty(display, probe, stamp, XA_CARDINAL, 32, PropModeAppend, nullptr, 0);
    XSync(display, False);
    XEvent event{};
    Time now = CurrentTime;
    if (XCheckTypedWindowEvent(display, probe, PropertyNotify, &event)) now = event.xproperty.time;
    XDestroyWindow(display, probe);
    if (now == CurrentTime && own != None) {
        ErrorTrap trap(display);
        const auto userTime =
            longsProperty(display, own, atom(display, "_NET_WM_USER_TIME"), XA_CARDINAL);
        if (!trap.failed() && !userTime.empty()) now = userTime[0];
    }
    return now;
}

void askWindowManager(Display* display, Window game, Window own) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = game;
    event.xclient.message_type = atom(display, "_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    // Source 2 says a user asked for this window (as from a pager), which focus-stealing
    // prevention lets through: the click on the helm is exactly that.
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = static_cast<long>(currentTime(display, own));
    event.xclient.data.l[2] = static_cast<long>(own);
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(display, game);
}

void focusWithoutWindowManager(Display* display, Window game) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, game, &attributes)) return;
    if (attributes.map_state != IsViewable) XMapWindow(display, game);
    XRaiseWindow(display, game);
    // Focus on a window that is not viewable yet is an error; the trap takes it quietly.
    XSetInputFocus(display, game, RevertToParent, CurrentTime);
}

}  // namespace

bool activateGameWindow(Display* display, Window own) {
    if (!display) return false;
    const auto windows = listTopLevelWindows(display, own);
    std::vector<WindowFacts> facts;
    facts.reserve(windows.size());
    for (const auto& w : windows) facts.push_back(w.facts);
    const auto chosen = chooseGameWindow(facts);
    if (!chosen) return false;

    const Window game = windows[*chosen].window;
    const bool managed = hasWindowManager(display);
    ErrorTrap trap(display);
    if (managed)
        askWindowManager(display, game, own);
    else
        focusWithoutWindowManager(display, game);
    // The window may have gone in the meantime; then nothing was activated.
    return !trap.failed();
}

}  // namespace helmsway::x11
