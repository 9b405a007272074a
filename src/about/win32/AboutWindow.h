#pragma once
// The About window frmAbout, built afresh from its layout table each time it is shown.
#include <windows.h>

namespace helmsway::win32 {

// The window class the About window is registered under, by which the tests find it.
inline constexpr wchar_t kAboutWindowClass[] = L"HelmswayAbout";

// Shows the About window modally and returns once it has been closed. It has no owner;
// `mainWindow` takes no input while it is open.
void showAboutWindow(HINSTANCE instance, HWND mainWindow);

}  // namespace helmsway::win32
