#pragma once
// Keeping a Qt window above the others, through the window manager where X11 has one: Qt's own
// flag would unmap the window and map it anew.
class QWidget;

namespace helmsway::qt {

// Above all windows that are not kept on top, or back among them; never moves, sizes, hides
// or re-maps the window.
void keepOnTop(QWidget& window, bool on);

}  // namespace helmsway::qt
