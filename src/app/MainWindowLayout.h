#pragma once
// The main window frmHelmsway as data: every control, menu item and size. The shells build the
// window by walking these tables.
#include <span>
#include <string_view>

#include "app/Layout.h"

namespace helmsway {

inline constexpr std::string_view kMainWindowCaption = "Helmsway";
inline constexpr TwipsRect kMainClientArea{0, 0, 2505, 2670};
// The system colour number 7, the menu-text colour: black in the standard scheme.
inline constexpr Rgb kMainBackground = kBlack;
inline constexpr Rgb kFrameCaptionColour{255, 224, 192};

inline constexpr int kSimpleHeightTwips = 3450;
inline constexpr int kAdvancedHeightTwips = 5175;
// Title bar, menu bar and borders as the two heights assume them.
inline constexpr int kNonClientTwips = 780;

inline constexpr int kTimer1IntervalMs = 300;

// The program icon's asset name; it serves both windows.
inline constexpr std::string_view kProgramIcon = "helmsway.ico";

std::span<const ControlLayout> mainWindowControls();
std::span<const MenuLayout> mainWindowMenus();

// The control's place relative to the client area, also for controls inside the frame.
TwipsRect absolutePlace(const ControlLayout& control);

const ControlLayout* findControl(std::span<const ControlLayout> controls, ControlId id);

}  // namespace helmsway
