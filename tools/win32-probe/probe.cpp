// Drives Helmsway.exe from outside, as a user would, and reads its windows back through Win32.
// Usage: probe <command> [args] [-- <command> [args]]...  (one Wine start for many steps)
//   wait-main                     wait until the main window is shown
//   click <control> [index]       click a control (picture elements and push buttons)
//   menu <item>                   choose a menu item
//   window                        print the main window's styles, sizes and check marks
//   about                         wait for the About window and print what it is like
//   about-close ok|enter|esc|close
//   wait-gone                     wait until the main window has closed
//   version <file>                print the version record of a file
//   foreground                    print the title of the foreground window
//   held                          print whether Ctrl and Shift are held down
//   ticks                         print GetTickCount64, the clock of the receiver's log
//   origin                        print the screen place of the main window's client area: x y
//   ok-rect <title>               wait for the window of that title and print its OK button's
//                                 screen rectangle: left top right bottom
//   wait-foreground <title>       wait until the window of that title is in the foreground
//   wait-popup                    wait until a menu is open
//   menu-place <item>             print the screen place of a menu title, or of an item of the
//                                 open menu: x y
//   sync <title>                  wait until the window of that title has handled its input
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MenuHook.h"
#include "about/win32/AboutWindow.h"
#include "app/MainWindowLayout.h"
#include "app/win32/CommandIds.h"
#include "app/win32/ResourceIds.h"
#include "layout/Controls.h"
#include "support/win32/WideText.h"

using namespace helmsway;
using helmsway::win32::narrow;

namespace {

[[noreturn]] void fail(const std::string& why) {
    std::printf("error: %s\n", why.c_str());
    std::fflush(stdout);
    std::exit(1);
}

void print(const std::string& key, const std::string& value) {
    std::printf("%s=%s\n", key.c_str(), value.c_str());
    std::fflush(stdout);
}

// Polls until `found` gives something (a window, true), within a generous ceiling; its last
// answer.
template <typename Find>
auto waitUntil(Find found, int timeoutMs = 15000) {
    for (int waited = 0;; waited += 20) {
        const auto result = found();
        if (result || waited >= timeoutMs) return result;
        Sleep(20);
    }
}

HWND waitFor(const wchar_t* windowClass, const wchar_t* title) {
    return waitUntil([&]() -> HWND {
        const HWND window = FindWindowW(windowClass, title);
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
    });
}

std::string foregroundTitle() {
    wchar_t text[128] = {};
    GetWindowTextW(GetForegroundWindow(), text, 128);
    return narrow(text);
}

HWND helmWindow() {
    const HWND window = FindWindowW(win32::kMainWindowClass, nullptr);
    if (window == nullptr) fail("no main window");
    return window;
}

// By the names of the main window's layout table, which the window is built from.
ControlId controlNamed(const std::wstring& name, const std::wstring& index) {
    for (const ControlLayout& control : mainWindowControls())
        if (controlName(control.name) == narrow(name))
            return {control.name,
                    static_cast<std::int16_t>(index.empty() ? kNoIndex : std::stoi(index))};
    fail("unknown control " + narrow(name));
}

Menu menuNamed(const std::wstring& name) {
    for (const MenuLayout& item : mainWindowMenus())
        if (menuName(item.name) == narrow(name)) return item.name;
    fail("unknown menu item " + narrow(name));
}

HWND controlWindow(ControlId id) {
    const HWND control = GetDlgItem(helmWindow(), win32::controlCommandId(id));
    if (control == nullptr) fail("no such control");
    return control;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Sent, so the next step sees its effect; but a click that opens a modal window does not
// return until that window closes, so the probe gives up waiting after a moment and goes on.
void deliver(HWND window, UINT message, WPARAM w, LPARAM l) {
    SendMessageTimeoutW(window, message, w, l, SMTO_NORMAL, 250, nullptr);
}

void click(HWND control) {
    if (className(control) == L"Button") {
        deliver(control, BM_CLICK, 0, 0);
        return;
    }
    deliver(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    deliver(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// Asks the hook inside Helmsway a question and returns its answer (MenuHook.h).
INT_PTR askHelmsway(HWND window, const wchar_t* question, const wchar_t* answerProp, WPARAM w) {
    static HHOOK hook = [window] {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring dll(path);
        dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"probehook.dll";
        const HMODULE module = LoadLibraryW(dll.c_str());
        if (module == nullptr) fail("no probehook.dll");
        const auto procedure = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(module, kHookProcName)));
        return SetWindowsHookExW(WH_CALLWNDPROC, procedure, module,
                                 GetWindowThreadProcessId(window, nullptr));
    }();
    if (hook == nullptr) fail("cannot hook Helmsway");
    RemovePropW(window, answerProp);
    SendMessageW(window, RegisterWindowMessageW(question), w, 0);
    return reinterpret_cast<INT_PTR>(GetPropW(window, answerProp));
}

UINT menuState(HWND window, Menu item) {
    const INT_PTR answer = askHelmsway(window, kAskMenuState, kMenuStateProp,
                                       static_cast<WPARAM>(win32::menuCommandId(item)));
    if (answer == 0) fail("the hook did not answer");
    return static_cast<UINT>(answer - 2);
}

// Where a real click chooses the item: a title in the menu bar, or an item of the open menu.
void printMenuItemCentre(Menu wanted) {
    int title = -1, item = 0;
    for (const MenuLayout& entry : mainWindowMenus()) {
        if (entry.isTitle()) {
            ++title;
            item = 0;
        } else {
            ++item;
        }
        if (entry.name != wanted) continue;
        const INT_PTR centre = askHelmsway(helmWindow(), kAskMenuItemCentre, kMenuItemCentreProp,
                                           MAKEWPARAM(item, title));
        if (centre == 0) fail("no place for the menu item (is its menu open?)");
        std::printf("%lld %lld\n", static_cast<long long>(centre & 0xFFFFFFFF),
                    static_cast<long long>(centre >> 32));
        std::fflush(stdout);
        return;
    }
}

std::string flag(bool value) { return value ? "1" : "0"; }

// What both windows show of their frame: border and boxes, stacking, sizes, place, caption;
// each key behind the window's prefix.
void describeFrame(HWND window, const std::string& prefix) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    print(prefix + "thickframe", flag(style & WS_THICKFRAME));
    print(prefix + "maximizebox", flag(style & WS_MAXIMIZEBOX));
    print(prefix + "minimizebox", flag(style & WS_MINIMIZEBOX));
    print(prefix + "sysmenu", flag(style & WS_SYSMENU));
    print(prefix + "topmost", flag(exStyle & WS_EX_TOPMOST));
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    print(prefix + "client", std::to_string(client.right) + "x" + std::to_string(client.bottom));
    print(prefix + "origin", std::to_string(outer.left) + "," + std::to_string(outer.top));
    print(prefix + "outer", std::to_string(outer.right - outer.left) + "x" +
                                std::to_string(outer.bottom - outer.top));
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    print(prefix + "caption", narrow(title));
}

void describeMainWindow() {
    const HWND window = helmWindow();
    describeFrame(window, "");
    print("enabled", flag(IsWindowEnabled(window)));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    print("screen",
          std::to_string(screenWidth) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    const HDC screen = GetDC(nullptr);
    print("dpi", std::to_string(GetDeviceCaps(screen, LOGPIXELSY)));
    ReleaseDC(nullptr, screen);
    for (Menu item : {Menu::mnuOnTop, Menu::mnuSimple, Menu::mnuAdvanced}) {
        const UINT state = menuState(window, item);
        print(std::string(menuName(item)),
              state == static_cast<UINT>(-1) ? "unknown" : flag(state & MF_CHECKED));
    }
}

void describeAbout() {
    const HWND about = waitFor(win32::kAboutWindowClass, nullptr);
    if (about == nullptr) fail("no About window");
    describeFrame(about, "about.");
    print("about.owner", flag(GetWindow(about, GW_OWNER) != nullptr));
    print("main.enabled", flag(IsWindowEnabled(helmWindow())));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &info);
    print("about.focus", flag(info.hwndFocus != nullptr && GetDlgCtrlID(info.hwndFocus) == IDOK));
    int labels = 0;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        if (className(child) == L"Static" && text[0] != 0) {
            ++labels;
            print("about.label", narrow(text));
        }
    }
    print("about.labels", std::to_string(labels));
}

void closeAbout(const std::wstring& how) {
    const HWND about = waitFor(win32::kAboutWindowClass, nullptr);
    if (about == nullptr) fail("no About window");
    const HWND ok = GetDlgItem(about, IDOK);
    if (how == L"ok") {
        PostMessageW(ok, BM_CLICK, 0, 0);
    } else if (how == L"enter" || how == L"esc") {
        const WPARAM key = how == L"enter" ? VK_RETURN : VK_ESCAPE;
        PostMessageW(ok, WM_KEYDOWN, key, 1);
        PostMessageW(ok, WM_KEYUP, key, 0xC0000001);
    } else {
        PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    for (int waited = 0; waited < 5000 && IsWindow(about); waited += 20) Sleep(20);
    print("about.closed", flag(!IsWindow(about)));
}

std::string versionString(const std::vector<BYTE>& data, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "missing";
    return narrow(std::wstring(value, length > 0 ? length - 1 : 0));
}

void describeVersion(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) fail("no version record");
    std::vector<BYTE> data(size);
    GetFileVersionInfoW(file.c_str(), 0, size, data.data());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
    const auto dotted = [](DWORD high, DWORD low) {
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
               std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
    };
    print("fileversion", dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
    print("productversion", dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"ProductName"})
        print(narrow(name), versionString(data, name));
}


// The commands, each with what it does; an argument is taken by `next`.
using Next = std::function<std::wstring()>;
const std::map<std::wstring, std::function<void(const Next&, const Next&)>> kCommands{
    {L"wait-main",
     [](auto&, auto&) {
         if (waitFor(win32::kMainWindowClass, nullptr) == nullptr) fail("main window not shown");
     }},
    {L"click",
     [](auto& next, auto& optional) {
         const std::wstring name = next();
         click(controlWindow(controlNamed(name, optional())));
     }},
    {L"menu",
     [](auto& next, auto&) {
         deliver(helmWindow(), WM_COMMAND,
                 static_cast<WPARAM>(win32::menuCommandId(menuNamed(next()))), 0);
     }},
    {L"window", [](auto&, auto&) { describeMainWindow(); }},
    {L"about", [](auto&, auto&) { describeAbout(); }},
    {L"about-close", [](auto& next, auto&) { closeAbout(next()); }},
    {L"wait-gone",
     [](auto&, auto&) {
         const bool gone = waitUntil(
             [] { return FindWindowW(win32::kMainWindowClass, nullptr) == nullptr; }, 5000);
         print("gone", flag(gone));
     }},
    {L"version", [](auto& next, auto&) { describeVersion(next()); }},
    {L"held",
     [](auto&, auto&) {
         print("held.ctrl", flag(GetAsyncKeyState(VK_CONTROL) & 0x8000));
         print("held.shift", flag(GetAsyncKeyState(VK_SHIFT) & 0x8000));
     }},
    {L"ticks", [](auto&, auto&) { print("ticks", std::to_string(GetTickCount64())); }},
    {L"foreground", [](auto&, auto&) { print("foreground", foregroundTitle()); }},
    {L"origin",
     [](auto&, auto&) {
         POINT origin{0, 0};
         ClientToScreen(helmWindow(), &origin);
         std::printf("%ld %ld\n", origin.x, origin.y);
         std::fflush(stdout);
     }},
    {L"ok-rect",
     [](auto& next, auto&) {
         const HWND window = waitFor(nullptr, next().c_str());
         if (window == nullptr) fail("no such window");
         RECT place{};
         GetWindowRect(GetDlgItem(window, IDOK), &place);
         std::printf("%ld %ld %ld %ld\n", place.left, place.top, place.right, place.bottom);
         std::fflush(stdout);
     }},
    {L"menu-place", [](auto& next, auto&) { printMenuItemCentre(menuNamed(next())); }},
    {L"wait-popup",
     [](auto&, auto&) {
         if (!waitUntil([] { return openMenuWindow() != nullptr; })) fail("no menu opened");
     }},
    {L"sync",
     [](auto& next, auto&) {
         const HWND window = waitFor(nullptr, next().c_str());
         if (window == nullptr) fail("no such window");
         SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 15000, nullptr);
     }},
    {L"wait-foreground",
     [](auto& next, auto&) {
         const std::string title = narrow(next());
         if (!waitUntil([&] { return foregroundTitle() == title; }))
             fail("not in the foreground: " + title);
     }},
};

}  // namespace

// probe COMMAND [ARGUMENTS] [-- COMMAND [ARGUMENTS]]...
int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    std::size_t at = 0;
    const Next next = [&]() -> std::wstring {
        if (at >= args.size() || args[at] == L"--") fail("missing argument");
        return args[at++];
    };
    const Next optional = [&]() -> std::wstring {
        return at < args.size() && args[at] != L"--" ? args[at++] : std::wstring{};
    };
    while (at < args.size()) {
        const std::wstring command = next();
        const auto found = kCommands.find(command);
        if (found == kCommands.end()) fail("unknown command " + narrow(command));
        found->second(next, optional);
        if (at < args.size() && args[at] == L"--") ++at;
    }
    return 0;
}
