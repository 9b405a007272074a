#include "support/win32/PictureElement.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "pictures/BitmapCheck.h"
#include "support/win32/ScreenMetrics.h"

namespace helmsway::win32 {
namespace {

constexpr wchar_t kClassName[] = L"HelmswayPicture";
// The window's extra bytes: the bitmap it shows, and whether a press inside it is under way.
constexpr int kBitmapSlot = 0;
constexpr int kPressedSlot = sizeof(LONG_PTR);

COLORREF backgroundColour = 0;

HBITMAP pictureOf(HWND element) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(element, kBitmapSlot));
}

bool pressed(HWND element) { return GetWindowLongPtrW(element, kPressedSlot) != 0; }

void setPressed(HWND element, bool value) { SetWindowLongPtrW(element, kPressedSlot, value); }

void paint(HWND element) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(element, &paint);
    RECT area{};
    GetClientRect(element, &area);
    drawBitmapClipped(dc, area, pictureOf(element), backgroundColour);
    EndPaint(element, &paint);
}

// A release completes the click only where it began: inside the element, the press still ours.
void release(HWND element, LPARAM at) {
    const bool wasPressed = pressed(element);
    setPressed(element, false);
    if (GetCapture() == element) ReleaseCapture();
    RECT area{};
    GetClientRect(element, &area);
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (!wasPressed || !PtInRect(&area, point)) return;
    SendMessageW(GetParent(element), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(element), BN_CLICKED),
                 reinterpret_cast<LPARAM>(element));
}

LRESULT CALLBACK elementProc(HWND element, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_PAINT: paint(element); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_LBUTTONDOWN:
        // Captured, so the release reaches the element even when it comes outside it.
        SetCapture(element);
        setPressed(element, true);
        return 0;
    case WM_LBUTTONUP: release(element, l); return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a dialog): the press is abandoned.
        if (reinterpret_cast<HWND>(l) != element) setPressed(element, false);
        return 0;
    case WM_NCDESTROY:
        if (const HBITMAP bitmap = pictureOf(element)) DeleteObject(bitmap);
        break;
    default: break;
    }
    return DefWindowProcW(element, message, w, l);
}

}  // namespace

bool registerPictureElementClass(HINSTANCE instance, COLORREF background) {
    backgroundColour = background;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // No CS_DBLCLKS: a second press soon after the first is a plain WM_LBUTTONDOWN.
    windowClass.lpfnWndProc = elementProc;
    windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

HWND createPictureElement(HWND parent, HINSTANCE instance, const RECT& place, int id) {
    return CreateWindowExW(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HBITMAP bitmapFromFile(std::string_view bytes) {
    constexpr std::size_t kFileHeader = sizeof(BITMAPFILEHEADER);
    // Everything after the file header, copied to where GDI may read the information header and
    // colour table as the structures they are: in the file they start 14 bytes in, an offset no
    // structure is aligned to.
    std::vector<std::uint32_t> info((bytes.size() - kFileHeader + 3) / 4);
    std::memcpy(info.data(), bytes.data() + kFileHeader, bytes.size() - kFileHeader);
    const auto* header = reinterpret_cast<const BITMAPINFO*>(info.data());
    const char* pixels =
        reinterpret_cast<const char*>(info.data()) + bitmapPixelsAt(bytes) - kFileHeader;
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap =
        CreateDIBitmap(screen, &header->bmiHeader, CBM_INIT, pixels, header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void setPicture(HWND element, HBITMAP bitmap) {
    const auto previous = reinterpret_cast<HBITMAP>(
        SetWindowLongPtrW(element, kBitmapSlot, reinterpret_cast<LONG_PTR>(bitmap)));
    if (previous != nullptr) DeleteObject(previous);
    InvalidateRect(element, nullptr, FALSE);
}

}  // namespace helmsway::win32
