#pragma once
// The one walker of the layout tables and window base, for both windows: it gives a window its
// border, caption, icon and place, and builds its controls with
// their places, captions, pictures, colours, fonts and tab order, gives the keyboard roles to
// the controls the table names, and reports clicks on picture elements and push buttons by
// control name and index.
#include <functional>

#include "layout/Layout.h"

class QWidget;

namespace helmsway::qt {

// Builds `window` on `panel`, the widget that is the window's client area: names the panel
// after the window and fills it with the window's background, gives the top-level widget the
// window's border, caption and icon, and creates every control on it.
void buildWindow(QWidget& panel, const WindowLayout& window,
                 const std::function<void(ControlId)>& click);

// Places the top-level widget where the window is first shown, at its size now: in the middle
// of the screen's work area where the table says so.
void placeAsLaidOut(QWidget& topLevel, const WindowLayout& window);

}  // namespace helmsway::qt
