#include "support/win32/ScreenMetrics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "support/win32/WideText.h"

namespace helmsway::win32 {

int systemDpi() {
    static const int dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : USER_DEFAULT_SCREEN_DPI;
    }();
    return dpi;
}

int toPixels(int twips) { return twipsToPixels(twips, systemDpi()); }

RECT toPixels(const TwipsRect& place) {
    const int left = toPixels(place.left);
    const int top = toPixels(place.top);
    return {left, top, left + toPixels(place.width), top + toPixels(place.height)};
}

HFONT createFont(const Font& font) {
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * systemDpi() / 72.0));
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    // Where the face is missing the font mapper picks the nearest sans-serif face at this
    // size, which the swiss family hint steers it to.
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::wstring face = widen(font.face);
    std::copy_n(face.begin(), std::min(face.size(), std::size_t{LF_FACESIZE - 1}),
                description.lfFaceName);
    return CreateFontIndirectW(&description);
}

void drawBitmapClipped(HDC dc, const RECT& area, HBITMAP bitmap, COLORREF background) {
    const HBRUSH fill = CreateSolidBrush(background);
    FillRect(dc, &area, fill);
    DeleteObject(fill);
    if (bitmap == nullptr) return;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, bitmap);
    const int width = std::min<int>(info.bmWidth, area.right - area.left);
    const int height = std::min<int>(info.bmHeight, area.bottom - area.top);
    BitBlt(dc, area.left, area.top, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace helmsway::win32
