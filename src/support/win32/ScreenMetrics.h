#pragma once
// Twips to pixels at the system DPI, colours and fonts: what every window is laid out with.
#include <windows.h>

#include "layout/Layout.h"

namespace helmsway::win32 {

// The system DPI, read once. The windows are laid out at it and keep that size; Windows
// scales only their non-client parts when the window moves to a monitor with another DPI.
int systemDpi();

int toPixels(int twips);
RECT toPixels(const TwipsRect& place);

constexpr COLORREF colorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// A font of the table's face and size, at the system DPI. The caller deletes it.
HFONT createFont(const Font& font);

// Draws `bitmap` unscaled from the top-left corner of `area` on a `background` fill; what does
// not fit is cut off at the right and bottom edges.
void drawBitmapClipped(HDC dc, const RECT& area, HBITMAP bitmap, COLORREF background);

}  // namespace helmsway::win32
