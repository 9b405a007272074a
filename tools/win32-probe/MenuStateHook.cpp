// Runs inside Helmsway.exe once the probe hooks its thread.
#include "MenuStateHook.h"

#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK probeCallWndProc(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION) {
        static const UINT ask = RegisterWindowMessageW(kAskMenuState);
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
        if (call->message == ask) {
            const UINT state =
                GetMenuState(GetMenu(call->hwnd), static_cast<UINT>(call->wParam), MF_BYCOMMAND);
            SetPropW(call->hwnd, kMenuStateProp,
                     reinterpret_cast<HANDLE>(static_cast<INT_PTR>(state) + 2));
        }
    }
    return CallNextHookEx(nullptr, code, w, l);
}
