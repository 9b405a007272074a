// The main window frmHelmsway: built by walking the core's layout tables, its events passed
// on to the core's handlers by control name and index.
// clang-format off
#include <windows.h>  // first: the other Win32 headers build on its types
#include <uxtheme.h>
// clang-format on

#include <algorithm>

#include "app/MainWindowLayout.h"
#include "app/win32/CommandIds.h"
#include "app/win32/ResourceIds.h"
#include "app/win32/Win32Desktop.h"
#include "relay/win32/Win32Relay.h"
#include "support/win32/PictureElement.h"
#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

// A fixed single border with minimise and close: no sizing border, no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr UINT kBringGameForward = WM_APP + 1;

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t* windowClass,
                 const std::wstring& caption, DWORD style, const TwipsRect& place, int id) {
    const RECT pixels = toPixels(place);
    return CreateWindowExW(0, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                           pixels.left, pixels.top, pixels.right - pixels.left,
                           pixels.bottom - pixels.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

bool Win32Desktop::create(frmHelmsway& form) {
    form_ = &form;
    icon_ =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_HELMSWAY), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_HELMSWAY),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    background_ = CreateSolidBrush(colorRef(kMainBackground));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ownerWindowProc<Win32Desktop>;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_;
    windowClass.hIconSm = smallIcon_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The system's menu-text colour, which the window's background is defined as (black in
    // the standard scheme, and so in the core's table).
    windowClass.hbrBackground = GetSysColorBrush(COLOR_MENUTEXT);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return false;
    if (!registerPictureElementClass(instance_, colorRef(kMainBackground))) return false;

    menuBar_ = createMenuBar();
    RECT outer = toPixels(kMainClientArea);
    AdjustWindowRectEx(&outer, kStyle, TRUE, kExStyle);
    window_ = CreateWindowExW(kExStyle, kMainWindowClass, widen(kMainWindowCaption).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, menuBar_, instance_, this);
    if (window_ == nullptr) return false;
    createControls();
    return true;
}

void Win32Desktop::createControls() {
    // Created in the table's tab order, which Windows then uses for Tab as well.
    std::vector<const ControlLayout*> controls;
    for (const ControlLayout& control : mainWindowControls()) controls.push_back(&control);
    std::ranges::stable_sort(controls, {}, &ControlLayout::tabIndex);

    for (const ControlLayout* control : controls) {
        const int id = controlCommandId(control->id());
        // The frame's buttons are the main window's own children, placed at their absolute
        // place: a group box would swallow their clicks, and they lie wholly inside it anyway.
        const TwipsRect place = absolutePlace(*control);
        switch (control->kind) {
        case ControlKind::PictureElement: {
            const HWND element = createPictureElement(window_, instance_, toPixels(place), id);
            setPicture(element,
                       static_cast<HBITMAP>(LoadImageW(instance_, widen(control->bitmap).c_str(),
                                                       IMAGE_BITMAP, 0, 0, 0)));
            break;
        }
        case ControlKind::PushButton: {
            const HWND button = createChild(window_, instance_, L"BUTTON", widen(control->caption),
                                            WS_TABSTOP | BS_PUSHBUTTON, place, id);
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(standardFont()), FALSE);
            break;
        }
        case ControlKind::Frame: {
            frame_ = createChild(window_, instance_, L"BUTTON", widen(control->caption),
                                 BS_GROUPBOX, place, id);
            SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(standardFont()), FALSE);
            // A themed group box draws its caption in the theme's colour and ignores the
            // colour set in WM_CTLCOLORSTATIC; unthemed, it uses ours. A blank (not empty)
            // theme name is what turns theming off for the one control everywhere.
            SetWindowTheme(frame_, L" ", L" ");
            break;
        }
        case ControlKind::Label:
        case ControlKind::Line: break;  // the main window has none
        }
    }
    // The frame comes first in the tab order but must lie beneath its buttons, or it would
    // paint over them.
    if (frame_ != nullptr)
        SetWindowPos(frame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HMENU Win32Desktop::createMenuBar() {
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

void Win32Desktop::showCentred(int showCommand) {
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

// Windows gives the activation back to the main window when a modal window of ours closes
// (the ship-name prompt, About). On a Wine desktop that a window manager runs, it does so only
// once the manager has seen the window go, which can be after the command that followed has
// already brought the game forward: the keys would then land here. So while a command waits
// for its tick, an activation of the main window that was not a click on it sends the game to
// the front again, once that activation has run to its end.
void Win32Desktop::keepGameInFront(WPARAM activation) {
    if (LOWORD(activation) == WA_ACTIVE && commandPending_)
        PostMessageW(window_, kBringGameForward, 0, 0);
}

void Win32Desktop::command(int id, HWND control) {
    if (control == nullptr) {
        for (const MenuLayout& item : mainWindowMenus())
            if (menuCommandId(item.name) == id) return form_->menuClick(item.name);
        return;
    }
    for (const ControlLayout& layout : mainWindowControls())
        if (controlCommandId(layout.id()) == id) return form_->click(layout.id());
}

LRESULT Win32Desktop::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        // BN_CLICKED from a push button or a picture element, or a menu choice (no control).
        if (HIWORD(w) == BN_CLICKED) command(LOWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case WM_ACTIVATE: keepGameInFront(w); break;
    case kBringGameForward:
        if (commandPending_ && GetForegroundWindow() == window) win32::activateGameWindow();
        return 0;
    case WM_TIMER:
        if (w == kTimer1Id) form_->Timer1_Timer();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(l) == frame_) {
            const auto dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, colorRef(kFrameCaptionColour));
            SetBkColor(dc, colorRef(kMainBackground));
            return reinterpret_cast<LRESULT>(background_);
        }
        break;
    case WM_CTLCOLORBTN:
        // The corners around the push buttons show the window's black, not the dialog grey.
        return reinterpret_cast<LRESULT>(background_);
    case WM_DPICHANGED:
        // Laid out once at the system DPI, the window keeps its size on another monitor;
        // Windows still scales its title bar and menu bar there.
        return 0;
    case WM_DESTROY:
        KillTimer(window, kTimer1Id);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default: break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace helmsway::win32
