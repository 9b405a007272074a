#include "WindowList.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

#include "ErrorTrap.h"
#include "Properties.h"

namespace helmsway::x11 {
namespace {

std::string latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xc0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return out;
}

std::string wmName(Display* display, Window window) {
    XTextProperty text{};
    if (!XGetWMName(display, window, &text) || !text.value) return {};
    std::string title;
    if (text.encoding == XA_STRING) {
        title = latin1ToUtf8(std::string(reinterpret_cast<char*>(text.value), text.nitems));
    } else {
        // COMPOUND_TEXT and friends: let Xlib convert.
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list) {
            if (count > 0 && list[0]) title = list[0];
            XFreeStringList(list);
        }
    }
    XFree(text.value);
    return title;
}

// Without a window manager that keeps a client list: the root's children, bottom to top,
// each stood in for by the client window inside it when it is someone's frame.
Window clientInside(Display* display, Window frame, Atom wmState, int depth) {
    if (!longsProperty(display, frame, wmState, wmState).empty()) return frame;
    if (depth == 0) return None;
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, frame, &root, &parent, &children, &count)) return None;
    Window found = None;
    for (unsigned i = count; i-- > 0 && found == None;)
        found = clientInside(display, children[i], wmState, depth - 1);
    if (children) XFree(children);
    return found;
}

std::vector<Window> stackFromTree(Display* display) {
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    std::vector<Window> bottomToTop;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return bottomToTop;
    const Atom wmState = atom(display, "WM_STATE");
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable || attributes.c_class == InputOnly)
            continue;
        const Window client = clientInside(display, children[i], wmState, 2);
        bottomToTop.push_back(client != None ? client : children[i]);
    }
    if (children) XFree(children);
    return bottomToTop;
}

}  // namespace

bool hasWindowManager(Display* display) {
    ErrorTrap trap(display);
    const Atom check = atom(display, "_NET_SUPPORTING_WM_CHECK");
    const auto fromRoot = longsProperty(display, DefaultRootWindow(display), check, XA_WINDOW);
    if (fromRoot.empty()) return false;
    // A window manager that has died leaves the root's property behind, pointing at nothing.
    const auto fromSelf = longsProperty(display, fromRoot[0], check, XA_WINDOW);
    return !trap.failed() && !fromSelf.empty() && fromSelf[0] == fromRoot[0];
}

std::string windowTitle(Display* display, Window window) {
    const auto name =
        bytesProperty(display, window, atom(display, "_NET_WM_NAME"), atom(display, "UTF8_STRING"));
    if (name && !name->empty()) return *name;
    return wmName(display, window);
}

std::vector<TopLevelWindow> listTopLevelWindows(Display* display) {
    const Window root = DefaultRootWindow(display);
    std::vector<unsigned long> bottomToTop;
    if (hasWindowManager(display)) {
        bottomToTop =
            longsProperty(display, root, atom(display, "_NET_CLIENT_LIST_STACKING"), XA_WINDOW);
        // Without a stacking list the mapping order is the best guess at recency.
        if (bottomToTop.empty())
            bottomToTop =
                longsProperty(display, root, atom(display, "_NET_CLIENT_LIST"), XA_WINDOW);
    }
    if (bottomToTop.empty()) {
        ErrorTrap trap(display);
        const auto stack = stackFromTree(display);
        bottomToTop.assign(stack.begin(), stack.end());
    }

    std::vector<TopLevelWindow> windows;
    ErrorTrap trap(display);
    for (auto it = bottomToTop.rbegin(); it != bottomToTop.rend(); ++it) {
        std::string title = windowTitle(display, *it);
        // A window that vanished while we read it is simply not listed.
        if (trap.failed()) continue;
        windows.push_back({*it, std::move(title)});
    }
    return windows;
}

}  // namespace helmsway::x11
