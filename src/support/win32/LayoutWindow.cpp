#include "support/win32/LayoutWindow.h"

#include <string>

#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

struct Frame {
    DWORD style;
    DWORD exStyle;
};

Frame frameOf(Border border) {
    switch (border) {
    case Border::FixedSingle:
        // No sizing border and no maximise box.
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0};
    case Border::FixedDialog:
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
    }
    return {};
}

// The class is registered with the first window of its name; the next ones find it there.
bool registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, Rgb background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass)) return true;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(colorRef(background));
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

// Named after its asset, as the resource script names it.
HICON loadIcon(HINSTANCE instance, std::string_view asset, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(instance, widen(asset).c_str(), IMAGE_ICON, size, size, 0));
}

}  // namespace

LayoutWindow::LayoutWindow(HINSTANCE instance, const WindowLayout& layout)
    : instance_(instance), layout_(layout) {}

LayoutWindow::~LayoutWindow() {
    // A window that outlives its object hears nothing more of it.
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (icon_ != nullptr) DestroyIcon(icon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

bool LayoutWindow::create(const wchar_t* className, HMENU menuBar) {
    if (!registerClass(instance_, className, procedure, layout_.background)) return false;
    const Frame frame = frameOf(layout_.border);
    RECT outer = toPixels(layout_.clientArea);
    AdjustWindowRectEx(&outer, frame.style, menuBar != nullptr, frame.exStyle);
    if (CreateWindowExW(frame.exStyle, className, widen(layout_.caption).c_str(), frame.style,
                        CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                        outer.bottom - outer.top, nullptr, menuBar, instance_, this) == nullptr)
        return false;
    background_ = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND));
    icon_ = loadIcon(instance_, layout_.icon, SM_CXICON);
    smallIcon_ = loadIcon(instance_, layout_.icon, SM_CXSMICON);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    children_.build(window_, instance_, layout_);
    return true;
}

void LayoutWindow::show(int showCommand) {
    if (layout_.centred) {
        RECT outer{};
        GetWindowRect(window_, &outer);
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int width = outer.right - outer.left;
        const int height = outer.bottom - outer.top;
        SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

// The program icon's element is owner-drawn: the small image of the icon, centred in it.
void LayoutWindow::drawIcon(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, background_);
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - size) / 2;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size) / 2;
    DrawIconEx(item.hDC, left, top, smallIcon_, size, size, 0, nullptr, DI_NORMAL);
}

void LayoutWindow::paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    children_.paintLines(dc);
    EndPaint(window_, &paint);
}

LRESULT LayoutWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
        // Labels and the frame's caption in the table's colours, on the window's background.
        if (children_.setColours(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)))
            return reinterpret_cast<LRESULT>(background_);
        break;
    case WM_CTLCOLORBTN:
        // The corners around the push buttons show the window's background, not dialog grey.
        return reinterpret_cast<LRESULT>(background_);
    case WM_DRAWITEM:
        // The only owner-drawn child is the program icon's element.
        if (reinterpret_cast<const DRAWITEMSTRUCT*>(l)->CtlType != ODT_STATIC) break;
        drawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_PAINT: paint(); return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, w, l);
    }
    default: break;
    }
    return DefWindowProcW(window_, message, w, l);
}

// The object is passed as CreateWindowExW's last argument and kept in GWLP_USERDATA from
// WM_NCCREATE on, the first message, so it knows its window during creation too.
LRESULT CALLBACK LayoutWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<LayoutWindow*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->window_ = window;
    }
    auto* owner = reinterpret_cast<LayoutWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) return DefWindowProcW(window, message, w, l);
    return owner->onMessage(message, w, l);
}

}  // namespace helmsway::win32
