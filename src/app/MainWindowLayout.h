#pragma once
// The main window frmHelmsway as data: every control, menu item and size. The shells build the
// window by walking these tables.
#include <span>
#include <string_view>

#include "layout/Layout.h"

namespace helmsway {

inline constexpr std::string_view kMainWindowCaption = "Helmsway";
// Laid out as the system colour number 7, the menu-text colour, which is black in the standard
// scheme. The window and everything on it are drawn in that black, so that the two never part
// under another colour scheme.
inline constexpr Rgb kMainBackground = kBlack;
inline constexpr Rgb kFrameCaptionColour{255, 224, 192};

// The two layouts, as heights of the client area (the area below the menu bar): Simple shows
// the helm panel exactly as laid out and leaves the frame below the bottom edge, Advanced
// shows the whole frame as well. Each platform adds its own title bar, menu bar and borders.
inline constexpr int kSimpleClientHeightTwips = 2670;
inline constexpr int kAdvancedClientHeightTwips = 4395;
// As laid out: as wide as the helm panel and as high as the Simple layout.
inline constexpr TwipsRect kMainClientArea{0, 0, 2505, kSimpleClientHeightTwips};

inline constexpr int kTimer1IntervalMs = 300;

// The whole window; it has no default, cancel or first-focus control.
const WindowLayout& mainWindow();
std::span<const ControlLayout> mainWindowControls();
std::span<const MenuLayout> mainWindowMenus();

// The control's place relative to the client area, also for controls inside the frame.
TwipsRect absolutePlace(const ControlLayout& control);

}  // namespace helmsway
