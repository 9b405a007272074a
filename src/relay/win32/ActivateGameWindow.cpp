// Finding the game client's window and making it the foreground window.
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "relay/GameWindow.h"
#include "relay/win32/Win32Relay.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

struct TopLevelWindows {
    std::vector<HWND> handles;
    std::vector<WindowFacts> facts;
    std::map<DWORD, std::string> programs;  // by process, for its many windows
};

// The file name of the process's program, empty when the process will not say.
std::string programOfProcess(DWORD process) {
    const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) return {};
    wchar_t path[MAX_PATH * 2];
    DWORD length = static_cast<DWORD>(std::size(path));
    const bool read = QueryFullProcessImageNameW(handle, 0, path, &length);
    CloseHandle(handle);
    if (!read) return {};
    const std::wstring_view image(path, length);
    return narrow(std::wstring(image.substr(image.find_last_of(L"\\/") + 1)));
}

// EnumWindows walks the top-level windows in Z order, topmost first, which is the order the
// core's choice expects; the choice is the core's, from what Windows tells of each.
BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
    auto& windows = *reinterpret_cast<TopLevelWindows*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    WindowFacts facts;
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    facts.title = narrow(text);
    wchar_t className[256];
    facts.windowClass = narrow(
        std::wstring(className, static_cast<std::size_t>(GetClassNameW(window, className, 256))));
    auto [program, fresh] = windows.programs.try_emplace(process);
    if (fresh) program->second = programOfProcess(process);
    facts.program = program->second;
    facts.visible = IsWindowVisible(window) != FALSE;
    // The helm's dialogs and About live in its process, so the process tells them all.
    facts.ofThisProcess = process == GetCurrentProcessId();
    windows.handles.push_back(window);
    windows.facts.push_back(std::move(facts));
    return TRUE;
}

// Alt down, an unassigned key, Alt up: the system then counts the last input event as ours.
// The unassigned key in between keeps the lone Alt from opening some window's menu bar.
void tapAltKey() {
    constexpr WORD kUnassigned = kUnassignedKey;
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
    const auto chosen = chooseGameWindow(windows.facts);
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
