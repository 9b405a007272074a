#pragma once
// What the shells ask of the window system beyond Qt: stacking order, the game window and
// typing. On X11 these go to the window manager and XTest; on any other platform (the
// offscreen one of the tests) there is no game window and nothing to type into.
#include <chrono>
#include <cstddef>

#include "relay/KeySequence.h"

class QWidget;

namespace helmsway::qt {

bool onX11();

// Above all windows that are not kept on top, or back among them; never moves, sizes, hides
// or re-maps the window.
void keepOnTop(QWidget& window, bool on);

bool activateGameWindow(const QWidget& own);

void sendKeys(const KeySequence& keys);
// Gives back the keys `sendKeys` borrowed for characters the layout lacks; it is to be called
// once nothing has been typed for `spareKeyReleaseDelay`, and at the end.
void releaseSpareKeys();
std::chrono::milliseconds spareKeyReleaseDelay(std::size_t keysTyped);

}  // namespace helmsway::qt
