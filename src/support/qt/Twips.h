#pragma once
// Layout tables are in twips; Qt places widgets in device-independent pixels. Converting at
// the screen's logical DPI keeps the window the size it was laid out at: 15 twips to a pixel
// at 96 dpi, proportionally more pixels on a screen set to a higher DPI.
#include <QRect>

#include "layout/Layout.h"

namespace helmsway::qt {

int screenDpi();
int px(int twips);
QRect px(const TwipsRect& place);

}  // namespace helmsway::qt
