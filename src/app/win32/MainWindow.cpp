#include "app/win32/MainWindow.h"

#include <optional>
#include <string>
#include <utility>

#include "app/MainWindowLayout.h"
#include "app/win32/CommandIds.h"
#include "app/win32/ResourceIds.h"
#include "support/win32/PictureElement.h"
#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

// A fixed single border with minimise and close: no sizing border, no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr UINT kActivationDone = WM_APP + 1;

HICON loadIcon(HINSTANCE instance, int width, int height) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_HELMSWAY), IMAGE_ICON, width, height, 0));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Events events)
    : instance_(instance), events_(std::move(events)) {}

MainWindow::~MainWindow() {
    if (background_ != nullptr) DeleteObject(background_);
    if (icon_ != nullptr) DestroyIcon(icon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

bool MainWindow::create() {
    icon_ = loadIcon(instance_, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    smallIcon_ = loadIcon(instance_, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    background_ = CreateSolidBrush(colorRef(mainWindow().background));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ownerWindowProc<MainWindow>;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_;
    windowClass.hIconSm = smallIcon_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The system's menu-text colour, which the window's background is defined as (black in
    // the standard scheme, and so in the core's table).
    windowClass.hbrBackground = GetSysColorBrush(COLOR_MENUTEXT);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return false;
    if (!registerPictureElementClass(instance_, colorRef(mainWindow().background))) return false;

    menuBar_ = createMenuBar();
    RECT outer = toPixels(mainWindow().clientArea);
    AdjustWindowRectEx(&outer, kStyle, TRUE, kExStyle);
    window_ = CreateWindowExW(kExStyle, kMainWindowClass, widen(mainWindow().caption).c_str(),
                              kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, menuBar_, instance_, this);
    if (window_ == nullptr) return false;
    children_.build(window_, instance_, mainWindow());
    return true;
}

HMENU MainWindow::createMenuBar() {
    const HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    for (const MenuLayout& item : mainWindowMenus()) {
        const std::wstring caption = widen(item.caption);
        if (item.isTitle()) {
            popup = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                        caption.c_str());
        } else if (item.isSeparator()) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(popup, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(menuCommandId(item.name)), caption.c_str());
        }
    }
    return bar;
}

void MainWindow::showCentred(int showCommand) {
    RECT outer{};
    GetWindowRect(window_, &outer);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

bool MainWindow::setPicture(ControlId element, HBITMAP bitmap) {
    const HWND picture = children_.find(element);
    if (picture == nullptr) {
        DeleteObject(bitmap);
        return false;
    }
    win32::setPicture(picture, bitmap);
    return true;
}

bool MainWindow::isChecked(Menu item) const {
    return (GetMenuState(menuBar_, static_cast<UINT>(menuCommandId(item)), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
}

void MainWindow::setChecked(Menu item, bool checked) {
    CheckMenuItem(menuBar_, static_cast<UINT>(menuCommandId(item)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::setClientHeight(int twips) {
    // AdjustWindowRectEx adds whatever the frame and menu bar take with this theme and DPI.
    RECT outer{0, 0, toPixels(mainWindow().clientArea.width), toPixels(twips)};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setTopmost(bool topmost) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::setTimer1(bool running) {
    // SetTimer on a running id replaces it, so a second command restarts the 300 ms.
    if (running)
        SetTimer(window_, kTimer1Id, kTimer1IntervalMs, nullptr);
    else
        KillTimer(window_, kTimer1Id);
}

void MainWindow::close() { DestroyWindow(window_); }

// BN_CLICKED from a push button or a picture element, or a menu choice (no control).
void MainWindow::onCommand(int id, HWND control) {
    if (control == nullptr) {
        for (const MenuLayout& item : mainWindowMenus())
            if (menuCommandId(item.name) == id) return events_.menu(item.name);
        return;
    }
    // A push button takes the focus when clicked, and no control of the main window may keep
    // it (see the layout): a phrase typed back into this window would press it again.
    if (GetFocus() == control) SetFocus(window_);
    if (const std::optional<ControlId> clicked = children_.commandControl(id))
        events_.click(*clicked);
}

// Windows gives the activation back to the main window when a modal window of ours closes
// (the ship-name prompt, About); on a Wine desktop that a window manager runs, only once the
// manager has seen that window go. The core decides what the activation means; it hears of it
// once the activation has run to its end, and only if the window still holds the foreground.
void MainWindow::onActivate(WPARAM activation) {
    if (LOWORD(activation) != WA_INACTIVE)
        PostMessageW(window_, kActivationDone, LOWORD(activation) == WA_CLICKACTIVE, 0);
}

void MainWindow::onActivationDone(bool byClick) {
    if (GetForegroundWindow() == window_) events_.activated(byClick);
}

void MainWindow::onTimer(WPARAM id) {
    if (id == kTimer1Id) events_.timer1();
}

// The frame's caption in the table's colours; the window's black around it.
LRESULT MainWindow::onColourStatic(HDC dc, HWND child) {
    if (!children_.setColours(dc, child)) return 0;
    return reinterpret_cast<LRESULT>(background_);
}

void MainWindow::onDestroy() {
    events_.closing();
    PostQuitMessage(0);
}

LRESULT MainWindow::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED) onCommand(LOWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case WM_ACTIVATE: onActivate(w); break;
    case kActivationDone: onActivationDone(w != 0); return 0;
    case WM_TIMER: onTimer(w); return 0;
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush =
                onColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)))
            return brush;
        break;
    case WM_CTLCOLORBTN:
        // The corners around the push buttons show the window's black, not the dialog grey.
        return reinterpret_cast<LRESULT>(background_);
    case WM_DPICHANGED:
        // Laid out once at the system DPI, the window keeps its size on another monitor;
        // Windows still scales its title bar and menu bar there.
        return 0;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default: break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace helmsway::win32
