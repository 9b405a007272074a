#pragma once
// The X11 display the Qt application runs on, for what Qt does not do itself.

// Xlib's display, named the way Xlib names it: Xlib itself is left out of this header, whose
// users include Qt, with which its macros clash.
typedef struct _XDisplay Display;

namespace helmsway::qt {

// Null on any other platform (the offscreen one of the tests).
Display* x11Display();

}  // namespace helmsway::qt
