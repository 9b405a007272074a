#include "ServerTime.h"

#include <X11/Xatom.h>

#include "support/x11/Properties.h"

namespace helmsway::x11 {

Time serverTime(Display* display) {
    const Window probe = XCreateWindow(display, DefaultRootWindow(display), -1, -1, 1, 1, 0,
                                       CopyFromParent, InputOnly, CopyFromParent, 0, nullptr);
    XSelectInput(display, probe, PropertyChangeMask);
    XChangeProperty(display, probe, atom(display, "_HELMSWAY_TIMESTAMP"), XA_CARDINAL, 32,
                    PropModeAppend, nullptr, 0);
    XEvent event{};
    XWindowEvent(display, probe, PropertyChangeMask, &event);
    XDestroyWindow(display, probe);
    return event.xproperty.time;
}

}  // namespace helmsway::x11
