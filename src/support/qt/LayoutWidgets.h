#pragma once
// Small helpers for turning layout table entries into Qt widgets.
#include <QColor>
#include <QString>
#include <string_view>

#include "layout/Layout.h"

class QWidget;

namespace helmsway::qt {

inline QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A caption of a button, frame or menu, shown as it stands: Qt would take '&' as the mark of
// an access letter.
QString caption(std::string_view text);

// The control's name followed by its index, if it has one: "cmdDirection4", "cmdStop".
QString widgetName(ControlId control);
inline QString widgetName(const ControlLayout& control) { return widgetName(control.id()); }

inline QColor colour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// Background and text colours of the control, its background filled.
void applyColours(QWidget& widget, Rgb foreground, Rgb background);

}  // namespace helmsway::qt
