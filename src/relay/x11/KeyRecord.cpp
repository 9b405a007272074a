#include "KeyRecord.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "KeyboardMap.h"
#include "support/x11/Properties.h"
#include "relay/linux/Process.h"

namespace helmsway::x11 {
namespace {

constexpr std::string_view kPrefix = "_HELMSWAY_BORROWED_KEYS ";

// Every record on the display, by name.
std::vector<Atom> records(Display* display) {
    std::vector<Atom> found;
    int count = 0;
    Atom* properties = XListProperties(display, DefaultRootWindow(display), &count);
    if (!properties) return found;
    std::vector<char*> names(static_cast<std::size_t>(count));
    if (XGetAtomNames(display, properties, count, names.data())) {
        for (int i = 0; i < count; ++i) {
            if (std::string_view(names[static_cast<std::size_t>(i)]).starts_with(kPrefix))
                found.push_back(properties[i]);
            XFree(names[static_cast<std::size_t>(i)]);
        }
    }
    XFree(properties);
    return found;
}

// Key by key: the keycode, how many keysyms follow, the keysyms.
KeyRecord readRecord(Display* display, Atom name) {
    const auto items = longsProperty(display, DefaultRootWindow(display), name, XA_INTEGER);
    KeyRecord keys;
    for (std::size_t at = 0; at + 2 <= items.size();) {
        const unsigned long key = items[at];
        const std::size_t count = items[at + 1];
        if (count > items.size() - at - 2 || key > 255) break;  // not written by a helm
        keys[static_cast<KeyCode>(key)].insert(items.begin() + static_cast<long>(at) + 2,
                                               items.begin() + static_cast<long>(at + 2 + count));
        at += 2 + count;
    }
    return keys;
}

}  // namespace

ServerGrab::ServerGrab(Display* display) : display_(display) { XGrabServer(display_); }

ServerGrab::~ServerGrab() {
    XUngrabServer(display_);
    XFlush(display_);
}

Atom recordName(Display* display, pid_t pid) {
    return atom(display,
                (std::string(kPrefix) + linux_process::hostName() + " " + std::to_string(pid)).c_str());
}

void ownRecord(Display* display, Atom name) {
    // A window of our own, never mapped, for the selection to belong to; it lives as long as
    // the connection does.
    const Window owner = XCreateWindow(display, DefaultRootWindow(display), -1, -1, 1, 1, 0,
                                       CopyFromParent, InputOnly, CopyFromParent, 0, nullptr);
    XSetSelectionOwner(display, name, owner, CurrentTime);
}

bool recordOwned(Display* display, Atom name) { return XGetSelectionOwner(display, name) != None; }

void writeRecord(Display* display, Atom name, const KeyRecord& keys) {
    std::vector<long> items;
    for (const auto& [key, keysyms] : keys) {
        items.push_back(key);
        items.push_back(static_cast<long>(keysyms.size()));
        items.insert(items.end(), keysyms.begin(), keysyms.end());
    }
    XChangeProperty(display, DefaultRootWindow(display), name, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(items.data()),
                    static_cast<int>(items.size()));
}

void giveBack(Display* display, Atom name) {
    const KeyRecord recordedKeys = readRecord(display, name);
    XDeleteProperty(display, DefaultRootWindow(display), name);
    KeyboardDescription xkb(XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
    if (!xkb) return;
    XkbMapChangesRec changes{};
    for (const auto& [keycode, recorded] : recordedKeys) {
        if (keycode < xkb->min_key_code || keycode > xkb->max_key_code) continue;
        const KeySym* shown = XkbKeySymsPtr(xkb.get(), keycode);
        bool ours = false;
        for (int i = 0; i < XkbKeyNumSyms(xkb.get(), keycode); ++i) {
            if (shown[i] == NoSymbol) continue;
            ours = recorded.contains(shown[i]);
            if (!ours) break;
        }
        int types[XkbNumKbdGroups] = {};
        if (!ours ||
            XkbChangeTypesOfKey(xkb.get(), keycode, 0, XkbGroup1Mask, types, &changes) != Success)
            continue;
        includeKeySyms(changes, keycode);
    }
    if (changes.changed) XkbChangeMap(display, xkb.get(), &changes);
}

void giveBackAbandoned(Display* display) {
    for (const Atom name : records(display))
        if (!recordOwned(display, name)) giveBack(display, name);
}

std::set<KeyCode> keysOfOthers(Display* display, Atom own) {
    std::set<KeyCode> keys;
    for (const Atom name : records(display))
        if (name != own)
            for (const auto& entry : readRecord(display, name)) keys.insert(entry.first);
    return keys;
}

}  // namespace helmsway::x11
