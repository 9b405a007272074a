// Finding the game client's window and making it the foreground window.
#include <string>
#include <vector>

#include "relay/GameWindow.h"
#include "relay/win32/Win32Relay.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

struct TopLevelWindows {
    std::vector<HWND> handles;
    std::vector<std::string> titles;
};

// EnumWindows walks the top-level windows in Z order, topmost first, which is the order the
// core's choice expects.
BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
    auto& windows = *reinterpret_cast<TopLevelWindows*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Our own windows never count, whatever the user may have typed into a title somewhere.
    if (!IsWindowVisible(window) || process == GetCurrentProcessId()) return TRUE;
    const int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), length + 1)));
    windows.handles.push_back(window);
    windows.titles.push_back(narrow(title));
    return TRUE;
}

// Alt down, an unassigned key, Alt up: the system then counts the last input event as ours.
// The unassigned key in between keeps the lone Alt from opening some window's menu bar.
void tapAltKey() {
    constexpr WORD kUnassigned = 0xE8;
    INPUT keys[4] = {};
    const WORD order[4] = {VK_MENU, kUnassigned, kUnassigned, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = (i == 2 || i == 3) ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
}

}  // namespace

bool activateGameWindow() {
    TopLevelWindows windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    const auto chosen = chooseGameWindow(windows.titles);
    if (!chosen) return false;
    const HWND game = windows.handles[*chosen];

    if (IsIconic(game)) ShowWindow(game, SW_RESTORE);

    // Windows hands the foreground only to the thread that owns it now (or that received the
    // last input). The user's click usually made that us, but not always: a command can come
    // from the keyboard, from the menu after a focus change, or while another program has
    // just grabbed the foreground. Attaching our input queue to the foreground window's thread
    // for the moment of the call makes us share its focus state, so SetForegroundWindow is
    // honoured instead of merely flashing the game's taskbar button.
    const HWND foreground = GetForegroundWindow();
    const DWORD ourThread = GetCurrentThreadId();
    const DWORD foregroundThread =
        foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const bool attached = foregroundThread != 0 && foregroundThread != ourThread &&
                          AttachThreadInput(ourThread, foregroundThread, TRUE);

    // Lets the game bring its own windows forward afterwards (a dialog it opens in reply).
    DWORD gameProcess = 0;
    GetWindowThreadProcessId(game, &gameProcess);
    AllowSetForegroundWindow(gameProcess);

    SetForegroundWindow(game);
    if (GetForegroundWindow() != game) {
        // Still refused (the foreground lock timeout is running): after an Alt tap of ours
        // the system treats us as the source of the last input, which lifts the lock.
        tapAltKey();
        SetForegroundWindow(game);
    }
    BringWindowToTop(game);

    if (attached) AttachThreadInput(ourThread, foregroundThread, FALSE);
    return true;
}

}  // namespace helmsway::win32
