#include "WindowList.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <map>

#include "ErrorTrap.h"
#include "support/x11/Properties.h"
#include "relay/KeystrokeNotation.h"
#include "relay/linux/Process.h"

namespace helmsway::x11 {
namespace {

std::string wmName(Display* display, Window window) {
    XTextProperty text{};
    if (!XGetWMName(display, window, &text) || !text.value) return {};
    std::string title;
    if (text.encoding == XA_STRING) {
        // Latin-1's bytes are the first 256 code points.
        title = encodeUtf8(std::u32string(text.value, text.value + text.nitems));
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

// _NET_WM_NAME (UTF-8), else WM_NAME converted to UTF-8; empty when there is neither.
std::string windowTitle(Display* display, Window window) {
    const auto name =
        bytesProperty(display, window, atom(display, "_NET_WM_NAME"), atom(display, "UTF8_STRING"));
    if (name && !name->empty()) return *name;
    return wmName(display, window);
}

std::string windowClass(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return {};
    std::string name = hint.res_class ? hint.res_class : "";
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return name;
}

// What ties a window to the helm where X11 tells it: the helm's window itself and its dialogs;
// the process, by its id on this machine or, where no id is given, by the client leader, the
// one window Qt names as the leader of every window of the process.
class Ours {
public:
    Ours(Display* display, Window own) : display_(display), own_(own) {
        if (own == None) return;
        const auto leader =
            longsProperty(display, own, atom(display, "WM_CLIENT_LEADER"), XA_WINDOW);
        if (!leader.empty()) leader_ = leader[0];
    }

    bool ofTheHelm(Window candidate) const {
        if (own_ == None) return false;
        Window transientFor = None;
        return candidate == own_ ||
               (XGetTransientForHint(display_, candidate, &transientFor) && transientFor == own_);
    }

    bool ofThisProcess(Window candidate, unsigned long localPid) const {
        if (localPid != 0) return localPid == static_cast<unsigned long>(getpid());
        if (leader_ == 0) return false;
        const auto leader =
            longsProperty(display_, candidate, atom(display_, "WM_CLIENT_LEADER"), XA_WINDOW);
        return !leader.empty() && leader[0] == leader_;
    }

private:
    Display* display_;
    Window own_;
    unsigned long leader_ = 0;
};

// A window is shown or minimized while the window manager keeps it in the normal or iconic
// state; without one, while it is viewable.
bool isVisible(Display* display, Window window) {
    const Atom wmState = atom(display, "WM_STATE");
    const auto state = longsProperty(display, window, wmState, wmState);
    if (!state.empty()) return state[0] == NormalState || state[0] == IconicState;
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
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

std::vector<TopLevelWindow> listTopLevelWindows(Display* display, Window own) {
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

    ErrorTrap trap(display);
    const Ours ours(display, own);
    trap.failed();  // the helm's window may be gone already; then nothing is ours by it
    const std::string host = linux_process::hostName();
    const Atom machineAtom = atom(display, "WM_CLIENT_MACHINE");
    const Atom pidAtom = atom(display, "_NET_WM_PID");
    std::map<unsigned long, std::string> programs;  // by process, for its many windows
    std::vector<TopLevelWindow> windows;
    for (auto it = bottomToTop.rbegin(); it != bottomToTop.rend(); ++it) {
        const Window window = *it;
        // A process id means something only on the machine it was given on.
        const auto machine = bytesProperty(display, window, machineAtom, XA_STRING);
        const auto pid = longsProperty(display, window, pidAtom, XA_CARDINAL);
        const unsigned long localPid =
            machine && !host.empty() && *machine == host && !pid.empty() ? pid[0] : 0;
        TopLevelWindow listed{window,
                              {windowTitle(display, window), windowClass(display, window), "",
                               isVisible(display, window), ours.ofThisProcess(window, localPid),
                               ours.ofTheHelm(window)}};
        // A window that vanished while we read it is simply not listed.
        if (trap.failed()) continue;
        if (localPid != 0) {
            auto [known, fresh] = programs.try_emplace(localPid);
            if (fresh) known->second = linux_process::programOfProcess(localPid);
            listed.facts.program = known->second;
        }
        windows.push_back(std::move(listed));
    }
    return windows;
}

}  // namespace helmsway::x11
