// Helmsway for Windows: the main window is the program; closing it ends the run.
// clang-format off
#include <windows.h>  // first: the other Win32 headers build on its types
#include <commctrl.h>
// clang-format on

#include "app/frmHelmsway.h"
#include "app/win32/Win32Desktop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Registers the version 6 common controls the manifest asks for (themed buttons).
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    helmsway::win32::Win32Desktop desktop(instance);
    helmsway::frmHelmsway form(desktop);
    if (!desktop.create(form)) return 1;
    form.Form_Load();
    desktop.window().show(showCommand);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Gives Tab and the arrow keys their dialog meaning among the push buttons.
        const HWND window = desktop.window().handle();
        if (window != nullptr && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
