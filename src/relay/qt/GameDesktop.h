#pragma once
// The relay's desktop operations for the Qt shell, by whichever way this desktop offers: GNOME
// Shell's extension, KWin, or X11 (the window manager and XTest). On any other platform (the
// offscreen one of the tests) there is no game window and nothing to type into.
#include <string>

#include "relay/KeySequence.h"

class QWidget;

namespace helmsway::qt {

// `userInput`: the window system's time of the click or key that asked for it (see
// UserInputTime).
bool activateGameWindow(const QWidget& own, unsigned long userInput);

// Keys borrowed for characters the layout lacks stay bound for the whole run and are given
// back when the program ends, however it ends.
void sendKeys(const KeySequence& keys);

// What the player must do once before commands can reach the game on this desktop, in one
// line; empty when nothing is missing.
std::string setupNeeded();

}  // namespace helmsway::qt
