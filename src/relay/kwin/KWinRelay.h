#pragma once
// The relay's two desktop operations on a Plasma Wayland session, through KWin: KWin's
// scripting lists every window, native Wayland and X11 alike, in stacking order and activates
// the one the core chose; KWin's fake-input protocol types into the window with the focus.
// KWin hands that protocol only to a program whose menu entry lists it in
// X-KDE-Wayland-Interfaces and names the program's file: the package's entry does, for the
// installed program. Nothing goes through XTest, which reaches no native window.
#include <string>

#include "relay/KeySequence.h"

// Xlib's display, named the way Xlib names it: Xlib itself is left out of this header, whose
// users include Qt, with which its macros clash.
typedef struct _XDisplay Display;

namespace helmsway::kwin {

// KWin runs this Wayland session and lets Helmsway type, so the operations below can work.
bool reachable();

// One line for the player when this is KWin's Wayland session but KWin does not let this
// Helmsway type, so every command would be lost on a native game window; empty otherwise.
std::string setupNeeded();

// Finds the game window among every window by the core's rule (never one of this process) and
// has KWin activate it. KWin's own activation knows no focus-stealing prevention, so the time
// of the click is not needed there. False when there is none, or KWin does not answer.
bool activateGameWindow();

// Types the keys into the window with the focus now, each from the key and group of the
// keyboard map that has it. The map is read from `display`, the Xwayland KWin hands its map
// to; KWin's layout is switched for keys of another group and switched back after. A text
// holding a character the map lacks is not typed at all.
void sendKeys(Display* display, const KeySequence& keys);

}  // namespace helmsway::kwin
