#pragma once
// Reading window properties without Xlib's manual memory handling, and asking the window
// manager to change them.
#include <X11/Xlib.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace helmsway::x11 {

Atom atom(Display* display, const char* name);

// A property of 32-bit items (CARDINAL, WINDOW...): empty when it is missing or of another type.
std::vector<unsigned long> longsProperty(Display* display, Window window, Atom property, Atom type);

// A property of 8-bit items of the given type (AnyPropertyType accepts any), as bytes.
std::optional<std::string> bytesProperty(Display* display, Window window, Atom property, Atom type);

// A request to the window manager about one of the desktop's windows: per EWMH a client asks
// with a message to the root window instead of changing the window itself.
void sendToWindowManager(Display* display, Window window, const char* message,
                         std::initializer_list<long> data);

}  // namespace helmsway::x11
