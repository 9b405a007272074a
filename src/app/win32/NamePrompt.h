#pragma once
// The ship-name prompt: a small modal dialog with one line of input, OK and Cancel.
#include <windows.h>

#include <string>

namespace helmsway::win32 {

// The text entered on OK; empty on Cancel, Esc or the close box.
std::wstring showNamePrompt(HINSTANCE instance, HWND owner, const std::wstring& prompt,
                            const std::wstring& title);

}  // namespace helmsway::win32
