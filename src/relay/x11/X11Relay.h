#pragma once
// The relay's two desktop operations on X11: activating the game window and typing into
// whatever window has the focus.
#include <X11/Xlib.h>

#include <optional>
#include <vector>

#include "KeyboardMap.h"
#include "SpareKeys.h"
#include "relay/KeySequence.h"

namespace helmsway::x11 {

// Finds the game window among the top-level windows by the core's rule (never one of ours:
// `own`, its dialogs, this process's windows) and asks the window manager to activate it at
// once. False when there is none. `userInput` is the server time of the user's click or key
// that asked for it: a window manager that prevents focus stealing weighs the request by it
// against the user's latest input, and is entitled to refuse one without a time (mutter warns
// of a buggy client for each).
bool activateGameWindow(Display* display, Window own, Time userInput);

// Types through XTest into the focused window, each character from whichever group and level
// of the live keyboard map has it, and the rest on keys borrowed in `spare`. Keys the user
// holds and Caps Lock never change what arrives, and the user's group is selected again after.
// A text that cannot be typed whole (a control character, more characters off the map than
// the spare keys hold) is not typed at all.
void sendKeys(Display* display, SpareKeys& spare, const KeySequence& keys);

// One key going down or up, with the keyboard group locked while it does.
struct KeyEvent {
    int group = 0;
    KeyCode keycode = 0;
    bool pressed = false;
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// The key events that type the keys from the map's own keys, each character from whichever
// group and level has it, holding and releasing the modifiers it needs; none when a character
// is on no key or is no character to type. Keys the user holds and locks are the caller's.
std::optional<std::vector<KeyEvent>> keyEventsOnMap(const KeyboardMap& map,
                                                    const KeySequence& keys);

// Where the compositor presses the keys on its own keyboard, whose locks no program can
// release, Caps Lock would turn the letters' case around: when it is on, the events begin and
// end with a tap of its key, the one way that keyboard's state changes.
std::vector<KeyEvent> withCapsLockSetAside(Display* display, const KeyboardMap& map,
                                           std::vector<KeyEvent> events);

}  // namespace helmsway::x11
