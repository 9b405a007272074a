#pragma once
// The vocabulary of the layout tables: what a shell needs to build a window by walking them.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "layout/Controls.h"

namespace helmsway {

enum class ControlKind { PictureElement, PushButton, Frame, Label, Line };

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// A rectangle in twips (1440 to the inch, 15 to a pixel at 96 dpi), relative to the client
// area, or to the parent frame for the frame's own controls.
struct TwipsRect {
    int left, top, width, height;
};

struct PixelSize {
    int width, height;
};

struct Font {
    std::string_view face;  // empty: the window's standard font
    double points = 0;
};

// The font the captions' places were sized for: the dialog font of the system the windows
// were drawn on, MS Sans Serif of 8 points (11 pixels at 96 dpi).
inline constexpr Font kDialogFont{"MS Sans Serif", 8};

// The program icon's asset name; it serves both windows.
inline constexpr std::string_view kProgramIcon = "helmsway.ico";

// A window's border and what its title bar offers; neither kind can be resized.
enum class Border {
    FixedSingle,  // a single border with minimise and close boxes
    FixedDialog,  // a dialog frame with a close box only
};

// The tab index of a control that never takes the keyboard focus.
inline constexpr int kNoFocus = -1;

struct ControlLayout {
    Control name;
    std::int16_t index;  // kNoIndex for a single control
    ControlKind kind;
    TwipsRect place;
    std::string_view caption;  // push buttons, frames and labels
    std::string_view bitmap;   // picture elements: the laid-out bitmap's asset name
    PixelSize bitmapSize;      // of that bitmap; it is shown unscaled and cut off at the edge
    Control parent;            // Frame1 for the controls inside it; else the control itself
    int tabIndex;              // keyboard order among the controls that take the focus, or kNoFocus
    Rgb foreground;
    Rgb background;
    Font font;

    ControlId id() const { return {name, index}; }
    bool insideFrame() const { return parent != name; }
};

struct MenuLayout {
    Menu name;
    std::string_view caption;  // "-" makes a separator
    bool checked;              // as laid out, before start-up
    Menu menu;                 // the menu title this item belongs to; itself for a title

    bool isTitle() const { return menu == name; }
    bool isSeparator() const { return caption == "-"; }
};

// The controls the keyboard reaches without Tab: Enter presses the default button and Esc the
// cancel button, each as a click on it does, and the first-focus control has the focus when
// the window opens. Empty where the window has none.
struct KeyboardRoles {
    std::optional<ControlId> defaultButton;
    std::optional<ControlId> cancelButton;
    std::optional<ControlId> firstFocus;
};

// A whole window as data: everything a shell's one window base and table walker need to build
// it.
struct WindowLayout {
    std::string_view name;  // frmHelmsway, frmAbout
    std::string_view caption;
    Border border;
    KeyboardRoles keyboard = {};  // none where a window names none
    TwipsRect clientArea;         // as laid out
    Rgb background;
    std::span<const ControlLayout> controls;  // a frame comes before the controls inside it
    // Every window of the program is first shown in the middle of the screen's work area,
    // writes its texts in the dialog font where a control names none, and shows the program
    // icon on its title bar.
    bool centred = true;
    Font font = kDialogFont;
    std::string_view icon = kProgramIcon;
};

const ControlLayout* findControl(std::span<const ControlLayout> controls, ControlId id);

// The control's place relative to the client area, also for a control inside a frame of
// the same window.
TwipsRect absolutePlace(std::span<const ControlLayout> window, const ControlLayout& control);

// Twips to pixels at a screen's dots per inch, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

}  // namespace helmsway
