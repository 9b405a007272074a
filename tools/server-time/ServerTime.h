#pragma once
// The X server's time now, as the time of a click would be, for the tests and benchmarks that
// ask for activation as a click on the helm does.
#include <X11/Xlib.h>

namespace helmsway::x11 {

// Read from the event of a property touched on a window of the caller's own (Xlib owns the
// connection's event queue).
Time serverTime(Display* display);

}  // namespace helmsway::x11
