#pragma once
// The one walker of the layout tables, for both windows: it creates a window's children with
// their places, captions, pictures, fonts and tab order, gives the keyboard roles to the
// controls the table names, and afterwards answers which control a child, a command or a
// colour request belongs to.
#include <windows.h>

#include <optional>
#include <vector>

#include "layout/Layout.h"
#include "support/Uncopyable.h"

namespace helmsway::win32 {

class WindowChildren : Uncopyable {
public:
    WindowChildren() = default;
    ~WindowChildren();

    // Creates every control of `layout` as a child of `window`, in the table's tab order,
    // which Windows then uses for Tab as well. Picture elements need their class registered
    // first (registerPictureElementClass); an element that shows the window's icon is
    // owner-drawn, by the window in WM_DRAWITEM. Lines are no children: the window paints them
    // (paintLines). The default button is IDOK and the cancel button IDCANCEL, the ids
    // IsDialogMessage sends for Enter and Esc; every other control has controlCommandId.
    void build(HWND window, HINSTANCE instance, const WindowLayout& layout);

    // The control a WM_COMMAND id stands for: IDOK the default button, IDCANCEL the cancel
    // button, any other id the control that has it. Empty for none.
    std::optional<ControlId> commandControl(int id) const;

    HWND find(ControlId id) const;
    void giveFirstFocus() const;

    // For WM_CTLCOLORSTATIC: sets the table's colours on `dc` when `child` is one of the
    // window's controls, and says whether it was.
    bool setColours(HDC dc, HWND child) const;

    // A line is a filled rectangle of its thickness. Its right end may lie past the client
    // area, where the window's own clipping cuts it off, as the layout intends.
    void paintLines(HDC dc) const;

private:
    struct Child {
        const ControlLayout* layout;
        HWND window;
    };

    const WindowLayout* layout_ = nullptr;
    std::vector<Child> children_;
    std::vector<HFONT> fonts_;  // the window's own and those its controls name
};

}  // namespace helmsway::win32
