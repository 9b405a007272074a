#pragma once
// The base of both windows: one top-level window built from its layout table. It registers
// the window's class in the table's background colour, gives the window its border, its
// client size, its caption and the table's icon, places it in the middle of the screen's work
// area where the table says so, and builds its children (see WindowChildren). It answers what
// every window of ours is asked alike: the children's colours, the lines, the icon element,
// and the window's end. A window derives from it and handles its own messages first.
#include <windows.h>

#include "layout/Layout.h"
#include "support/Uncopyable.h"
#include "support/win32/BuildWindow.h"

namespace helmsway::win32 {

class LayoutWindow : Uncopyable {
public:
    LayoutWindow(HINSTANCE instance, const WindowLayout& layout);
    virtual ~LayoutWindow();

    // Null before the window is created and once it is gone.
    HWND handle() const { return window_; }

    // Places the window as the table says, at its size now, and shows it.
    void show(int showCommand);

protected:
    // Creates the window, hidden, with the menu bar if there is one, and every control of the
    // table. False when Windows refuses it.
    bool create(const wchar_t* className, HMENU menuBar);

    // What the window does not handle itself it passes on here.
    virtual LRESULT onMessage(UINT message, WPARAM w, LPARAM l);

    HINSTANCE instance_;
    const WindowLayout& layout_;
    WindowChildren children_;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void drawIcon(const DRAWITEMSTRUCT& item) const;
    void paint();

    HWND window_ = nullptr;
    HBRUSH background_ = nullptr;  // the class's: it lasts as long as the program
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

}  // namespace helmsway::win32
