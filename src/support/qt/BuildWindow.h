#pragma once
// The one walker of the layout tables, for both windows: it builds a window's controls with
// their places, captions, pictures, colours, fonts and tab order, gives the keyboard roles to
// the controls the table names, and reports clicks on picture elements and push buttons by
// control name and index.
#include <functional>

#include "app/Layout.h"

class QWidget;

namespace helmsway::qt {

// Builds `window` on `panel`, the widget that is the window's client area: names the panel
// after the window and fills it with the window's background, gives the top-level widget the
// window's caption and the program icon, and creates every control on it.
void buildWindow(QWidget& panel, const WindowLayout& window,
                 const std::function<void(ControlId)>& click);

}  // namespace helmsway::qt
