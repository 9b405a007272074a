#include "HeldModifiers.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

namespace helmsway::x11 {

HeldModifiers::HeldModifiers(Display* display, const KeyboardMap& map) : display_(display) {
    char down[32] = {};
    XQueryKeymap(display_, down);
    for (unsigned code = 8; code < 256; ++code) {
        const auto keycode = static_cast<KeyCode>(code);
        const bool isDown = (down[code / 8] >> (code % 8)) & 1;
        // A held Caps Lock key changes nothing more once it has toggled; leave it alone.
        if (isDown && (map.modifiersOf(keycode) & ~LockMask) != 0) released_.push_back(keycode);
    }
    for (KeyCode keycode : released_) XTestFakeKeyEvent(display_, keycode, False, CurrentTime);

    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) == Success) {
        capsLocked_ = (state.locked_mods & LockMask) != 0;
        lockedGroup_ = state.locked_group;
        // Unlocking directly leaves no key event behind for the focused window to act on.
        if (capsLocked_) XkbLockModifiers(display_, XkbUseCoreKbd, LockMask, 0);
        // A latched (sticky) modifier would land on our first key instead of the user's next.
        if (state.latched_mods) XkbLatchModifiers(display_, XkbUseCoreKbd, state.latched_mods, 0);
        if (state.latched_group) XkbLatchGroup(display_, XkbUseCoreKbd, 0);
    }
}

HeldModifiers::~HeldModifiers() {
    XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(lockedGroup_));
    if (capsLocked_) XkbLockModifiers(display_, XkbUseCoreKbd, LockMask, LockMask);
    for (KeyCode keycode : released_) XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
    XFlush(display_);
}

}  // namespace helmsway::x11
