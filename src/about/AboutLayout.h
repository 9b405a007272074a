#pragma once
// The About window frmAbout as data.
#include <span>
#include <string_view>

#include "layout/Layout.h"

namespace helmsway {

inline constexpr std::string_view kAboutCaption = "About Helmsway";
inline constexpr TwipsRect kAboutClientArea{0, 0, 4575, 3690};
inline constexpr Rgb kAboutBackground = kBlack;

// Controls in tab order. Line1 is 2 pixels (30 twips) thick and runs past the client area's
// right edge, which cuts it off there.
std::span<const ControlLayout> aboutWindowControls();

// The window; cmdOK is its default button, its cancel button (Enter and Esc both press it)
// and has the focus when it opens.
const WindowLayout& aboutWindow();

}  // namespace helmsway
