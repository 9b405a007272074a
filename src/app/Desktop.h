#pragma once
// What the core asks of the windowing shell. Every operation a handler performs is one call
// here; those that can fail say so in their result, so the handlers can stop at the exact step.
#include <string>
#include <string_view>

#include "layout/Controls.h"
#include "relay/KeySequence.h"

namespace helmsway {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Loads the bitmap file of that name from the program's own directory, anew each time,
    // and shows it on the element. False when the file is missing or no bitmap; the element
    // then keeps what it showed.
    virtual bool showPicture(ControlId element, std::string_view file) = 0;

    // The menu item's check mark, which only these calls change: choosing an item never sets
    // or clears its mark by itself.
    virtual bool isChecked(Menu item) const = 0;
    virtual void setChecked(Menu item, bool checked) = 0;

    // Makes the main window's client area, the part below the menu bar, `twips` high at the
    // laid-out width, with whatever title bar, menu bar and borders the platform adds around
    // it. The window's top-left corner stays where it is and the controls keep their places:
    // a lower height only shows less of the window.
    virtual void setClientHeight(int twips) = 0;

    // Keeps the main window above every window that is not kept on top (true), or lets other
    // windows cover it again (false). Only the stacking changes: the window is not moved,
    // sized, hidden, shown or activated. Nothing is reported: if the window system refuses,
    // the window keeps its place in the stack.
    virtual void setTopmost(bool topmost) = 0;

    // Modal one-line prompt with OK and Cancel; the empty text on Cancel, Esc or close.
    virtual std::string inputBox(std::string_view prompt, std::string_view title) = 0;

    // Shows the About window modally and returns once it has been closed; meanwhile the main
    // window takes no input.
    virtual void showAbout() = 0;

    // Closes the main window, which ends the program; a pending timer tick never comes.
    virtual void closeMainWindow() = 0;

    // Timer1, 300 ms. Enabling it while it runs starts its count afresh.
    virtual void setTimerEnabled(bool enabled) = 0;

    // Brings the game window (see chooseGameWindow) to the foreground at once; false when
    // there is none.
    virtual bool activateGameWindow() = 0;

    // Types the keys into whatever window is active now, without waiting for them to arrive.
    // Each arrives as the character or key it names: modifier keys the user happens to hold
    // and Caps Lock never change what arrives, and both are as they were once the keys are
    // typed.
    virtual void sendKeys(const KeySequence& keys) = 0;
};

}  // namespace helmsway
