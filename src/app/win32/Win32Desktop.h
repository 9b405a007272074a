#pragma once
// The Win32 shell of the main window: carries out on the desktop what the core's handlers ask,
// and hands the window's clicks, menu choices and timer ticks to them.
#include <windows.h>

#include <string>

#include "app/Desktop.h"
#include "app/frmHelmsway.h"
#include "app/win32/MainWindow.h"

namespace helmsway::win32 {

class Win32Desktop final : public Desktop {
public:
    explicit Win32Desktop(HINSTANCE instance);

    // Builds the main window, hidden; its events go to `form` from then on. False when
    // Windows refuses the window.
    bool create(frmHelmsway& form);
    MainWindow& window() { return window_; }

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
    HINSTANCE instance_;
    std::wstring programDirectory_;
    frmHelmsway* form_ = nullptr;
    MainWindow window_;
};

}  // namespace helmsway::win32
