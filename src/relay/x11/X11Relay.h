#pragma once
// The relay's two desktop operations on X11: activating the game window and typing into
// whatever window has the focus.
#include <X11/Xlib.h>

#include <chrono>

#include "relay/KeySequence.h"

namespace helmsway::x11 {

// Finds the game window among the top-level windows by the core's title rule (never `own`)
// and asks the window manager to activate it at once. False when there is none.
bool activateGameWindow(Display* display, Window own);

// Types through XTest into the focused window, mapping each character through the keyboard
// map that is live at that moment. Characters the map lacks are typed on spare keys that stay
// bound to them after the call, for the receiver to look up whenever it gets to the keys.
void sendKeys(Display* display, const KeySequence& keys);

// How long the program must have typed nothing before its borrowed keys are given back: far
// longer than any receiver takes to read its keys, yet the map does not stay changed for long.
inline constexpr std::chrono::milliseconds kSpareKeyReleaseDelay{3000};

// Unbinds, in one change of the map, every spare key `sendKeys` has bound and the map still
// shows. For when the program has typed nothing for `kSpareKeyReleaseDelay` and when it ends,
// so the keyboard map is left as it was found.
void releaseSpareKeys(Display* display);

}  // namespace helmsway::x11
