// Finding the game window and bringing it to the front.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "ErrorTrap.h"
#include "Properties.h"
#include "WindowList.h"
#include "X11Relay.h"
#include "relay/GameWindow.h"

namespace helmsway::x11 {
namespace {

// What ties a window to the helm's own program: the window itself, its dialogs, and every
// window of the same client leader or process.
struct Owner {
    Window window = None;
    unsigned long leader = 0;
    unsigned long pid = 0;
};

Owner describeOwner(Display* display, Window own) {
    Owner owner{own, 0, 0};
    if (own == None) return owner;
    ErrorTrap trap(display);
    const auto leader = longsProperty(display, own, atom(display, "WM_CLIENT_LEADER"), XA_WINDOW);
    const auto pid = longsProperty(display, own, atom(display, "_NET_WM_PID"), XA_CARDINAL);
    if (trap.failed()) return owner;
    if (!leader.empty()) owner.leader = leader[0];
    if (!pid.empty()) owner.pid = pid[0];
    return owner;
}

bool belongsTo(Display* display, Window candidate, const Owner& owner) {
    if (owner.window == None) return false;
    if (candidate == owner.window) return true;
    Window transientFor = None;
    if (XGetTransientForHint(display, candidate, &transientFor) && transientFor == owner.window)
        return true;
    if (owner.leader != 0) {
        const auto leader =
            longsProperty(display, candidate, atom(display, "WM_CLIENT_LEADER"), XA_WINDOW);
        if (!leader.empty() && leader[0] == owner.leader) return true;
    }
    if (owner.pid != 0) {
        const auto pid =
            longsProperty(display, candidate, atom(display, "_NET_WM_PID"), XA_CARDINAL);
        if (!pid.empty() && pid[0] == owner.pid) return true;
    }
    return false;
}

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
    const Owner owner = describeOwner(display, own);
    std::vector<Window> windows;
    std::vector<std::string> titles;
    {
        ErrorTrap trap(display);
        for (auto& w : listTopLevelWindows(display)) {
            if (!isGameWindowTitle(w.title)) continue;
            const bool ours = belongsTo(display, w.window, owner);
            if (trap.failed() || ours) continue;
            windows.push_back(w.window);
            titles.push_back(std::move(w.title));
        }
    }
    const auto chosen = chooseGameWindow(titles);
    if (!chosen) return false;

    const Window game = windows[*chosen];
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
