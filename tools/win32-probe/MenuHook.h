#pragma once
#include <windows.h>

// The hook's side of the conversation. Menus live in the memory of the process that made them,
// so the probe asks Helmsway's own thread: it sends a question to the main window and the hook
// writes the answer into a window property, where 0 means "no answer".
//
// kAskMenuState, with a menu command id: GetMenuState's result + 2 (1: no such item).
inline constexpr wchar_t kAskMenuState[] = L"HelmswayProbeAskMenuState";
inline constexpr wchar_t kMenuStateProp[] = L"HelmswayProbeMenuState";
// kAskMenuItemCentre, with the title's place in the menu bar (high word) and the item's place
// in that menu plus one (low word; 0 for the title itself): the item's centre in screen
// coordinates, y in the high 32 bits. An item's place is known only while its menu is open.
inline constexpr wchar_t kAskMenuItemCentre[] = L"HelmswayProbeAskMenuItemCentre";
inline constexpr wchar_t kMenuItemCentreProp[] = L"HelmswayProbeMenuItemCentre";
inline constexpr char kHookProcName[] = "probeCallWndProc";

// The open menu's window, if any. Menus open in windows of their own class; a closed one may
// stay around hidden, so every window of the class is looked at.
inline HWND openMenuWindow() {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr))
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}
