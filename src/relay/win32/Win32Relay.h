#pragma once
// The relay's two desktop operations on Windows: activating the game window and typing into
// whatever window is in the foreground.
#include <windows.h>

#include "relay/KeySequence.h"

namespace helmsway::win32 {

// A virtual key no window acts on. Pressed between an Alt (or Win) and its release, it keeps
// the system from taking the pair for a lone tap of that key, which opens the active window's
// menu bar (or the Start menu).
inline constexpr WORD kUnassignedKey = 0xE8;

// Finds the game window among the top-level windows by the core's rule, from their titles,
// classes, programs and visibility (never one of this process's own), and brings it to the
// foreground at once. False when there is none.
bool activateGameWindow();

// Types the keys with one SendInput batch into the foreground window, through the keyboard
// layout of that window's thread; what the layout cannot type goes in as Unicode packets.
void sendKeys(const KeySequence& keys);

}  // namespace helmsway::win32
