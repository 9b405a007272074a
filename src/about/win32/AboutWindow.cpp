#include "about/win32/AboutWindow.h"

#include <optional>

#include "about/AboutLayout.h"
#include "about/frmAbout.h"
#include "support/win32/BuildWindow.h"
#include "support/win32/OwnerWindowProc.h"
#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

constexpr wchar_t kClassName[] = L"HelmswayAbout";
// A fixed dialog frame with a close box only: no sizing border, no minimise or maximise.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

class AboutWindow final : public AboutDesktop {
public:
    AboutWindow(HINSTANCE instance, int icon, HWND mainWindow)
        : instance_(instance), iconId_(icon), mainWindow_(mainWindow) {}

    ~AboutWindow() override {
        if (icon_ != nullptr) DestroyIcon(icon_);
        if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    }

    void run();

    void setTopmost() override {
        SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    void unload() override {
        // The main window is enabled before this one goes, so Windows hands the activation
        // back to it and not to whatever program lies below.
        EnableWindow(mainWindow_, TRUE);
        DestroyWindow(window_);
    }

private:
    template <class Owner>
    friend LRESULT CALLBACK helmsway::win32::ownerWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    void createWindow();
    void onCommand(int id);
    LRESULT onColourStatic(HDC dc, HWND child);
    void onDrawIcon(const DRAWITEMSTRUCT& item);
    void onPaint();

    HINSTANCE instance_;
    int iconId_;
    HWND mainWindow_;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HBRUSH background_ = nullptr;
    WindowChildren children_;
    frmAbout form_{*this};
};

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(colorRef(kAboutBackground));
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassExW(&windowClass) != 0;
}

void AboutWindow::run() {
    registerClass(instance_, ownerWindowProc<AboutWindow>);
    createWindow();
    if (window_ == nullptr) return;
    children_.build(window_, instance_, aboutWindow());
    form_.Form_Load();

    EnableWindow(mainWindow_, FALSE);
    ShowWindow(window_, SW_SHOW);
    children_.giveFirstFocus();

    // The modal loop. IsDialogMessage gives Tab, Enter (the default button) and Esc (IDCANCEL)
    // their dialog meaning in this plain window.
    MSG message;
    while (window_ != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: close, and let the main loop see the quit as well.
            if (window_ != nullptr) unload();
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void AboutWindow::createWindow() {
    RECT frame = toPixels(kAboutClientArea);
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;

    window_ = CreateWindowExW(kExStyle, kClassName, widen(kAboutCaption).c_str(), kStyle, left, top,
                              width, height, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return;
    icon_ =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    background_ = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND));
}

// Enter and Esc arrive as IDOK and IDCANCEL, a click on the button as its own id.
void AboutWindow::onCommand(int id) {
    if (const std::optional<ControlId> control = children_.commandControl(id))
        form_.click(*control);
}

LRESULT AboutWindow::onColourStatic(HDC dc, HWND child) {
    if (!children_.setColours(dc, child)) return 0;
    return reinterpret_cast<LRESULT>(background_);
}

// picIcon: the small image of the program icon, centred in its 20-pixel element.
void AboutWindow::onDrawIcon(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, background_);
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - size) / 2;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size) / 2;
    DrawIconEx(item.hDC, left, top, smallIcon_, size, size, 0, nullptr, DI_NORMAL);
}

void AboutWindow::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    children_.paintLines(dc);
    EndPaint(window_, &paint);
}

LRESULT AboutWindow::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: onCommand(LOWORD(w)); return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush =
                onColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)))
            return brush;
        break;
    case WM_DRAWITEM: onDrawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(l)); return TRUE;
    case WM_PAINT: onPaint(); return 0;
    case WM_CLOSE:
        // The close box unloads the window without going through cmdOK_Click.
        unload();
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return 0;
    default: break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

void showAboutWindow(HINSTANCE instance, int icon, HWND mainWindow) {
    AboutWindow about(instance, icon, mainWindow);
    about.run();
}

}  // namespace helmsway::win32
