#include "app/win32/MainWindow.h"

#include <optional>
#include <string>
#include <utility>

#include "app/MainWindowLayout.h"
#include "app/win32/CommandIds.h"
#include "support/win32/PictureElement.h"
#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

constexpr UINT kActivationDone = WM_APP + 1;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Events events)
    : LayoutWindow(instance, mainWindow()), events_(std::move(events)) {}

bool MainWindow::create() {
    if (!registerPictureElementClass(instance_, colorRef(mainWindow().background))) return false;
    menuBar_ = createMenuBar();
    return LayoutWindow::create(kMainWindowClass, menuBar_);
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
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_EXSTYLE)));
    SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setTopmost(bool topmost) {
    SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::setTimer1(bool running) {
    // SetTimer on a running id replaces it, so a second command restarts the 300 ms.
    if (running)
        SetTimer(handle(), kTimer1Id, kTimer1IntervalMs, nullptr);
    else
        KillTimer(handle(), kTimer1Id);
}

void MainWindow::close() { DestroyWindow(handle()); }

// BN_CLICKED from a push button or a picture element, or a menu choice (no control).
void MainWindow::onCommand(int id, HWND control) {
    if (control == nullptr) {
        for (const MenuLayout& item : mainWindowMenus())
            if (menuCommandId(item.name) == id) return events_.menu(item.name);
        return;
    }
    // A push button takes the focus when clicked, and no control of the main window may keep
    // it (see the layout): a phrase typed back into this window would press it again.
    if (GetFocus() == control) SetFocus(handle());
    if (const std::optional<ControlId> clicked = children_.commandControl(id))
        events_.click(*clicked);
}

// Windows gives the activation back to the main window when a modal window of ours closes
// (the ship-name prompt, About); on a Wine desktop that a window manager runs, only once the
// manager has seen that window go. The core decides what the activation means; it hears of it
// once the activation has run to its end, and only if the window still holds the foreground.
void MainWindow::onActivate(WPARAM activation) {
    if (LOWORD(activation) != WA_INACTIVE)
        PostMessageW(handle(), kActivationDone, LOWORD(activation) == WA_CLICKACTIVE, 0);
}

void MainWindow::onActivationDone(bool byClick) {
    if (GetForegroundWindow() == handle()) events_.activated(byClick);
}

void MainWindow::onTimer(WPARAM id) {
    if (id == kTimer1Id) events_.timer1();
}

void MainWindow::onDestroy() {
    events_.closing();
    PostQuitMessage(0);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED) onCommand(LOWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case WM_ACTIVATE: onActivate(w); break;
    case kActivationDone: onActivationDone(w != 0); return 0;
    case WM_TIMER: onTimer(w); return 0;
    case WM_DPICHANGED:
        // Laid out once at the system DPI, the window keeps its size on another monitor;
        // Windows still scales its title bar and menu bar there.
        return 0;
    case WM_DESTROY: onDestroy(); return 0;
    default: break;
    }
    return LayoutWindow::onMessage(message, w, l);
}

}  // namespace helmsway::win32
