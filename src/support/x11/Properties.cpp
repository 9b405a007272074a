#include "Properties.h"

#include <X11/Xatom.h>

namespace helmsway::x11 {
namespace {

// Titles and lists are short; a bound keeps a hostile property from costing much.
constexpr long kMaxLongs = 1L << 16;

struct PropertyData {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned char* data = nullptr;
    ~PropertyData() {
        if (data) XFree(data);
    }
};

bool read(Display* display, Window window, Atom property, Atom type, PropertyData& out) {
    unsigned long after = 0;
    return XGetWindowProperty(display, window, property, 0, kMaxLongs, False, type, &out.type,
                              &out.format, &out.count, &after, &out.data) == Success &&
           out.data != nullptr && (type == AnyPropertyType || out.type == type);
}

}  // namespace

Atom atom(Display* display, const char* name) { return XInternAtom(display, name, False); }

std::vector<unsigned long> longsProperty(Display* display, Window window, Atom property,
                                         Atom type) {
    PropertyData p;
    if (!read(display, window, property, type, p) || p.format != 32) return {};
    // Xlib hands 32-bit items over as longs, whatever the size of long.
    const auto* items = reinterpret_cast<const unsigned long*>(p.data);
    return {items, items + p.count};
}

std::optional<std::string> bytesProperty(Display* display, Window window, Atom property,
                                         Atom type) {
    PropertyData p;
    if (!read(display, window, property, type, p) || p.format != 8) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(p.data), p.count);
}

void sendToWindowManager(Display* display, Window window, const char* message,
                         std::initializer_list<long> data) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom(display, message);
    event.xclient.format = 32;
    int i = 0;
    for (long item : data) event.xclient.data.l[i++] = item;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace helmsway::x11
