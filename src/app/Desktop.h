#pragma once
// What the core asks of the windowing shell. Every operation a handler performs is one call
// here; those that can fail say so in their result, so the handlers can stop at the exact step.
#include <string>
#include <string_view>

#include "app/Controls.h"
#include "relay/KeySequence.h"

namespace helmsway {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Loads the bitmap file of that name from the program's own directory, anew each time,
    // and shows it on the element. False when the file is missing or no bitmap; the element
    // then keeps what it showed.
    virtual bool showPicture(ControlId element, std::string_view file) = 0;

    virtual bool isChecked(Menu item) const = 0;
    virtual void setChecked(Menu item, bool checked) = 0;

    // Makes the main window's client area, the part below the menu bar, `twips` high at the
    // laid-out width, with whatever title bar, menu bar and borders the platform adds around
    // it. The window's top-left corner stays where it is and the controls keep their places:
    // a lower height only shows less of the window.
    virtual void setClientHeight(int twips) = 0;

    // SetWindowPos(own window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
    // SWP_NOMOVE | SWP_NOSIZE): changes the stacking order only. Its result is not examined.
    virtual void setTopmost(bool topmost) = 0;

    // Modal one-line prompt with OK and Cancel; the empty text on Cancel, Esc or close.
    virtual std::string inputBox(std::string_view prompt, std::string_view title) = 0;

    // Shows the About window modally and returns once it has been closed.
    virtual void showAbout() = 0;

    // Closes the main window, which ends the program; a pending timer tick never comes.
    virtual void closeMainWindow() = 0;

    // Timer1, 300 ms. Enabling it while it runs starts its count afresh.
    virtual void setTimerEnabled(bool enabled) = 0;

    // Brings the game window (see chooseGameWindow) to the foreground at once; false when
    // there is none.
    virtual bool activateGameWindow() = 0;

    // Types the keys into whatever window is active now, without waiting for them to arrive.
    virtual void sendKeys(const KeySequence& keys) = 0;
};

}  // namespace helmsway
