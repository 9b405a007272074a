#pragma once
// What the shells ask of the window system beyond Qt: stacking order, the game window and
// typing. On X11 these go to the window manager and XTest; on any other platform (the
// offscreen one of the tests) there is no game window and nothing to type into.
#include <string>

#include "relay/KeySequence.h"

class QWidget;

namespace helmsway::qt {

// Above all windows that are not kept on top, or back among them; never moves, sizes, hides
// or re-maps the window.
void keepOnTop(QWidget& window, bool on);

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
