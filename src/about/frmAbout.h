#pragma once
// The About window's two handlers. It lives only while it is shown, so it holds no state.

namespace helmsway {

class AboutDesktop {
public:
    virtual ~AboutDesktop() = default;
    // SetWindowPos(own window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE).
    virtual void setTopmost() = 0;
    // Closes and destroys the window; the modal show in the main window returns.
    virtual void unload() = 0;
};

class frmAbout {
public:
    explicit frmAbout(AboutDesktop& desktop) : desktop_(desktop) {}
    void Form_Load() { desktop_.setTopmost(); }
    void cmdOK_Click() { desktop_.unload(); }

private:
    AboutDesktop& desktop_;
};

}  // namespace helmsway
