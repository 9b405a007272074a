#pragma once
// The relay's two desktop operations on X11: activating the game window and typing into
// whatever window has the focus.
#include <X11/Xlib.h>

#include "relay/KeySequence.h"

namespace helmsway::x11 {

// Finds the game window among the top-level windows by the core's title rule (never `own`)
// and asks the window manager to activate it at once. False when there is none.
bool activateGameWindow(Display* display, Window own);

// Types through XTest into the focused window, mapping each character through the keyboard
// map that is live at that moment.
void sendKeys(Display* display, const KeySequence& keys);

}  // namespace helmsway::x11
