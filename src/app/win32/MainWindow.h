#pragma once
// The main window frmHelmsway on Win32, built by walking the core's layout tables: the helm
// panel of picture elements, the frame with its push buttons and the menu bar. It reports
// clicks, menu choices and Timer1's ticks by control name and index and holds no behaviour of
// its own; it passes each of its messages to a small named handler, and the rest to the
// window base.
#include <windows.h>

#include <functional>

#include "layout/Controls.h"
#include "support/win32/LayoutWindow.h"

namespace helmsway::win32 {

class MainWindow final : public LayoutWindow {
public:
    struct Events {
        std::function<void(ControlId)> click;
        std::function<void(Menu)> menu;
        std::function<void()> timer1;
        // The window is being destroyed, whichever way it closes.
        std::function<void()> closing;
        // The window has become active, by a click on it or otherwise (see onActivate).
        std::function<void(bool byClick)> activated;
    };

    MainWindow(HINSTANCE instance, Events events);

    // Builds the window, hidden, with every control and menu item of the core's tables. False
    // when Windows refuses the window.
    bool create();

    // The element owns the bitmap from now on. False when there is no such element.
    bool setPicture(ControlId element, HBITMAP bitmap);
    // The check marks are the program's: a choice never flips one by itself.
    bool isChecked(Menu item) const;
    void setChecked(Menu item, bool checked);
    // The window grows or shrinks at its bottom edge; the controls keep their places.
    void setClientHeight(int twips);
    void setTopmost(bool topmost);
    // Starts Timer1 anew, or stops it.
    void setTimer1(bool running);
    void close();

private:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    HMENU createMenuBar();
    void onCommand(int id, HWND control);
    void onActivate(WPARAM activation);
    void onActivationDone(bool byClick);
    void onTimer(WPARAM id);
    void onDestroy();

    Events events_;
    HMENU menuBar_ = nullptr;
};

}  // namespace helmsway::win32
