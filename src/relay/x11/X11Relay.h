#pragma once
// The relay's two desktop operations on X11: activating the game window and typing into
// whatever window has the focus.
#include <X11/Xlib.h>

#include <chrono>
#include <cstddef>

#include "relay/KeySequence.h"

namespace helmsway::x11 {

// Finds the game window among the top-level windows by the core's rule (never one of ours:
// `own`, its dialogs, this process's windows) and asks the window manager to activate it at
// once. False when there is none.
bool activateGameWindow(Display* display, Window own);

// Types through XTest into the focused window, mapping each character through the keyboard
// map that is live at that moment. Characters the map lacks are typed on spare keys that stay
// bound to them after the call, for the receiver to look up whenever it gets to the keys.
void sendKeys(Display* display, const KeySequence& keys);

// How long the program must have typed nothing, after typing `keysTyped` keys, before its
// borrowed keys are given back: far longer than any receiver takes to read its keys, yet the
// map does not stay changed for long. A receiver works through its queue at its own pace and
// its copy of the map is refreshed ahead of the keys still queued, so a long text (a ship name
// of thousands of characters) keeps the keys bound for five milliseconds per key on top.
constexpr std::chrono::milliseconds spareKeyReleaseDelay(std::size_t keysTyped) {
    return std::chrono::milliseconds{3000} + 5 * std::chrono::milliseconds{keysTyped};
}

// Unbinds, in one change of the map, every spare key `sendKeys` has bound and the map still
// shows. For when the program has typed nothing for `spareKeyReleaseDelay` and when it ends,
// so the keyboard map is left as it was found.
void releaseSpareKeys(Display* display);

}  // namespace helmsway::x11
