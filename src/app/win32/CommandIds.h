#pragma once
// The Win32 ids of the main window's controls, menu items and timer, derived from the core's
// names so that the window, and any tool that drives it, agree without a table of their own.
#include <windows.h>

#include "layout/Controls.h"
#include "support/win32/ControlIds.h"

namespace helmsway::win32 {

constexpr int menuCommandId(Menu item) { return 100 + static_cast<int>(item); }

constexpr UINT_PTR kTimer1Id = 1;

inline constexpr wchar_t kMainWindowClass[] = L"HelmswayMain";

}  // namespace helmsway::win32
