// Runs inside Helmsway.exe once the probe hooks its thread.
#include "MenuHook.h"

namespace {

INT_PTR menuItemCentre(HWND window, WPARAM place) {
    const HMENU bar = GetMenu(window);
    const UINT title = HIWORD(place), item = LOWORD(place);
    RECT rect{};
    // Wine places a menu's items relative to the window it is given, where Windows takes the
    // menu's own.
    const bool found = item == 0 ? GetMenuItemRect(window, bar, title, &rect)
                                 : GetMenuItemRect(openMenuWindow(),
                                                   GetSubMenu(bar, static_cast<int>(title)),
                                                   item - 1, &rect);
    if (!found) return 0;
    return static_cast<INT_PTR>((rect.top + rect.bottom) / 2) << 32 |
           static_cast<INT_PTR>((rect.left + rect.right) / 2);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK probeCallWndProc(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION) {
        static const UINT askState = RegisterWindowMessageW(kAskMenuState);
        static const UINT askCentre = RegisterWindowMessageW(kAskMenuItemCentre);
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
        if (call->message == askState) {
            const UINT state =
                GetMenuState(GetMenu(call->hwnd), static_cast<UINT>(call->wParam), MF_BYCOMMAND);
            SetPropW(call->hwnd, kMenuStateProp,
                     reinterpret_cast<HANDLE>(static_cast<INT_PTR>(state) + 2));
        } else if (call->message == askCentre) {
            SetPropW(call->hwnd, kMenuItemCentreProp,
                     reinterpret_cast<HANDLE>(menuItemCentre(call->hwnd, call->wParam)));
        }
    }
    return CallNextHookEx(nullptr, code, w, l);
}
