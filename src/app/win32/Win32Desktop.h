#pragma once
// The main window frmHelmsway on Win32, and everything the core asks of the desktop.
#include <windows.h>

#include <string>

#include "app/Desktop.h"
#include "app/frmHelmsway.h"
#include "support/win32/OwnerWindowProc.h"

namespace helmsway::win32 {

class Win32Desktop final : public Desktop {
public:
    explicit Win32Desktop(HINSTANCE instance);
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // Builds the main window, hidden, with every control and menu item of the core's tables.
    // Its events go to `form` from then on. False when Windows refuses the window.
    bool create(frmHelmsway& form);
    // Centres the window on the screen at its current size and shows it.
    void showCentred(int showCommand);
    // Null once the window is gone.
    HWND window() const { return window_; }

    bool showPicture(ControlId element, std::string_view file) override;
    bool isChecked(Menu item) const override;
    void setChecked(Menu item, bool checked) override;
    void setClientHeight(int twips) override;
    void setTopmost(bool topmost) override;
    std::string inputBox(std::string_view prompt, std::string_view title) override;
    void showAbout() override;
    void closeMainWindow() override;
    void setTimerEnabled(bool enabled) override;
    bool activateGameWindow() override;
    void sendKeys(const KeySequence& keys) override;

private:
    template <class Owner>
    friend LRESULT CALLBACK helmsway::win32::ownerWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    void createControls();
    HMENU createMenuBar();
    void command(int id, HWND control);
    void keepGameInFront(WPARAM activation);

    HINSTANCE instance_;
    std::wstring programDirectory_;
    HWND window_ = nullptr;
    HWND frame_ = nullptr;
    HMENU menuBar_ = nullptr;
    HBRUSH background_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // Timer1 runs: a command waits for the game window to be in front.
    bool commandPending_ = false;
    frmHelmsway* form_ = nullptr;
};

}  // namespace helmsway::win32
