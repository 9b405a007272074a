#pragma once
// The window procedure of a window that an object owns, in the plain Win32 way: the object is
// passed as CreateWindowExW's last argument, kept in GWLP_USERDATA from WM_NCCREATE on (the
// first message, so the object knows its window during creation too), and handles every
// message after. Owners befriend this template for their `window_` and `handle`.
#include <windows.h>

namespace helmsway::win32 {

template <class Owner>
LRESULT CALLBACK ownerWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->window_ = window;
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) return DefWindowProcW(window, message, w, l);
    return owner->handle(window, message, w, l);
}

}  // namespace helmsway::win32
