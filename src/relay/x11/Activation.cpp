// Finding the game window and bringing it to the front.
#include <X11/Xutil.h>


#include "ErrorTrap.h"
#include "support/x11/Properties.h"
#include "WindowList.h"
#include "X11Relay.h"
#include "relay/GameWindow.h"

namespace helmsway::x11 {
namespace {

void askWindowManager(Display* display, Window game, Window own, Time userInput) {
    // Source 2 says a user asked for this window (as from a pager), which focus-stealing
    // prevention lets through: the click on the helm is exactly that.
    constexpr long kSourcePager = 2;
    sendToWindowManager(display, game, "_NET_ACTIVE_WINDOW",
                        {kSourcePager, static_cast<long>(userInput), static_cast<long>(own)});
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

bool activateGameWindow(Display* display, Window own, Time userInput) {
    const auto windows = listTopLevelWindows(display, own);
    const TopLevelWindow* chosen = chooseGameWindowAmong(windows);
    if (!chosen) return false;

    const Window game = chosen->window;
    const bool managed = hasWindowManager(display);
    ErrorTrap trap(display);
    if (managed)
        askWindowManager(display, game, own, userInput);
    else
        focusWithoutWindowManager(display, game);
    // The window may have gone in the meantime; then nothing was activated.
    return !trap.failed();
}

}  // namespace helmsway::x11
