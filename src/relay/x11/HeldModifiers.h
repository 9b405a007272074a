#pragma once
// The modifiers the user holds (Shift, Control, Alt, AltGr...) or has locked (Caps Lock) would
// change what each typed key means, and the typing locks other groups for their characters.
// All of it is set aside for the typing and given back after, so the user's keyboard is left
// exactly as it was found.
#include <X11/Xlib.h>

#include <vector>

#include "KeyboardMap.h"
#include "support/Uncopyable.h"

namespace helmsway::x11 {

class HeldModifiers : Uncopyable {
public:
    // Releases the held modifier keys through XTest, unlocks Caps Lock and drops latches.
    HeldModifiers(Display* display, const KeyboardMap& map);
    // Selects the user's group again, presses the same keys again and locks Caps Lock again if
    // it was locked.
    ~HeldModifiers();

private:
    Display* display_;
    std::vector<KeyCode> released_;
    bool capsLocked_ = false;
    int lockedGroup_ = 0;
};

}  // namespace helmsway::x11
