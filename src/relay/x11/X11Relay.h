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

// X11 key codes are evdev's shifted by 8, on Xwayland as on any X server over evdev.
constexpr unsigned kEvdevOffset = 8;

// The keys as a Wayland compositor presses them on its own keyboard, planned from the keyboard
// map it shares with Xwayland (`display`), and the group the player has selected, to select
// again after. Keys another helm bound on Xwayland alone are not in the compositor's map, so
// none is used. Caps Lock would turn the letters' case around, and no program can release that
// keyboard's locks: when it is on, the events begin and end with a tap of its key. None when a
// character is on no key or is no character to type.
struct CompositorKeys {
    std::vector<KeyEvent> events;
    int userGroup = 0;
};
std::optional<CompositorKeys> keysForCompositor(Display* display, const KeySequence& keys);

}  // namespace helmsway::x11
