#pragma once
// The About window's two handlers. It lives only while it is shown, so it holds no state.
#include "layout/Controls.h"

namespace helmsway {

class AboutDesktop {
public:
    virtual ~AboutDesktop() = default;
    // Places the About window above every window that is not kept on top, the main window
    // included even while that one is kept on top, without moving or sizing it. Nothing is
    // reported: if the window system refuses, the window opens without that placement.
    virtual void setTopmost() = 0;
    // Closes and destroys the window; the modal show in the main window returns.
    virtual void unload() = 0;
};

class frmAbout {
public:
    explicit frmAbout(AboutDesktop& desktop) : desktop_(desktop) {}
    void Form_Load() { desktop_.setTopmost(); }
    void cmdOK_Click() { desktop_.unload(); }

    // The shells' entry point for clicks, by control name: only cmdOK has a handler.
    void click(ControlId control) {
        if (control.name == Control::cmdOK) cmdOK_Click();
    }

private:
    AboutDesktop& desktop_;
};

}  // namespace helmsway
