#pragma once
// The relay's two desktop operations through Helmsway's own GNOME Shell extension, on a GNOME
// Wayland session: the shell lists every toplevel window, native Wayland and X11 alike, raises
// the one the core chose and types into the window with the focus. Nothing goes through XTest,
// which GNOME 45 and later let through only with the player's leave, and which reaches no
// native window at all. The extension's D-Bus interface is described in the README.
#include <string>

#include "relay/KeySequence.h"

// Xlib's display, named the way Xlib names it: Xlib itself is left out of this header, whose
// users include Qt, with which its macros clash.
typedef struct _XDisplay Display;

namespace helmsway::gnome_shell {

// The extension is running in the session's shell, so the operations below can work.
bool extensionRuns();

// One line for the player when this is a GNOME Shell session whose shell runs without the
// extension, and every command would be lost on a native game window; empty otherwise.
std::string setupNeeded();

// Finds the game window among every toplevel by the core's rule (never one of this process)
// and has the shell activate it with `userInput`, the time of the click or key that asked for
// it (Xwayland's clock is the compositor's). False when there is none, or the shell refuses.
bool activateGameWindow(unsigned long userInput);

// Types the keys into the window with the focus now, each from the key and group of the
// keyboard map that has it. The map is read from `display`, the Xwayland the shell hands its
// map to. The shell cannot bind a key to a character the map lacks, so a text holding one is
// not typed at all, as is a text whose window loses the focus before the shell types it.
void sendKeys(Display* display, const KeySequence& keys);

}  // namespace helmsway::gnome_shell
