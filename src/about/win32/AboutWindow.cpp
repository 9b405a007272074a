#include "about/win32/AboutWindow.h"

#include <optional>

#include "about/AboutLayout.h"
#include "about/frmAbout.h"
#include "support/win32/LayoutWindow.h"

namespace helmsway::win32 {
namespace {

class AboutWindow final : public LayoutWindow, private AboutDesktop {
public:
    AboutWindow(HINSTANCE instance, HWND mainWindow)
        : LayoutWindow(instance, aboutWindow()), mainWindow_(mainWindow) {}

    void run();

private:
    void setTopmost() override {
        SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    void unload() override {
        // The main window is enabled before this one goes, so Windows hands the activation
        // back to it and not to whatever program lies below.
        EnableWindow(mainWindow_, TRUE);
        DestroyWindow(handle());
    }

    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;

    HWND mainWindow_;
    frmAbout form_{*this};
};

void AboutWindow::run() {
    if (!create(kAboutWindowClass, nullptr)) return;
    form_.Form_Load();

    EnableWindow(mainWindow_, FALSE);
    show(SW_SHOW);
    children_.giveFirstFocus();

    // The modal loop. IsDialogMessage gives Tab, Enter (the default button) and Esc (IDCANCEL)
    // their dialog meaning in this plain window.
    MSG message;
    while (handle() != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: close, and let the main loop see the quit as well.
            if (handle() != nullptr) unload();
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsDialogMessageW(handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT AboutWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        // Enter and Esc arrive as IDOK and IDCANCEL, a click on the button as its own id.
        if (const std::optional<ControlId> control = children_.commandControl(LOWORD(w)))
            form_.click(*control);
        return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
        // The close box unloads the window without going through cmdOK_Click.
        unload();
        return 0;
    default: break;
    }
    return LayoutWindow::onMessage(message, w, l);
}

}  // namespace

void showAboutWindow(HINSTANCE instance, HWND mainWindow) {
    AboutWindow about(instance, mainWindow);
    about.run();
}

}  // namespace helmsway::win32
