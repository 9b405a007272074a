#include "support/qt/LayoutWidgets.h"

#include <QPalette>
#include <QWidget>

namespace helmsway::qt {

QString caption(std::string_view text) { return qstr(text).replace(QLatin1Char('&'), "&&"); }

QString widgetName(ControlId control) {
    QString name = qstr(controlName(control.name));
    if (control.index != kNoIndex) name += QString::number(control.index);
    return name;
}

void applyColours(QWidget& widget, Rgb foreground, Rgb background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour(background));
    palette.setColor(QPalette::WindowText, colour(foreground));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace helmsway::qt
