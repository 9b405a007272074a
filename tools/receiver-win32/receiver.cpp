// A stand-in for the game client: a window titled "Ultima Online" (or the title given second)
// that logs what is typed into it. Usage: receiver <log file> [title] [window class]
// The window class lets it pose as another program's window (a folder's, a browser's).
// The log (UTF-8) starts with a line "ready" once the window is shown and focused; after that
// each Enter adds "<ms>\t<text typed since the previous Enter>", ms from GetTickCount64.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include "support/win32/WideText.h"

namespace {

FILE* logFile = nullptr;
std::wstring pending;
std::deque<std::wstring> shownLines;

void writeLine(const std::string& line) {
    std::fputs(line.c_str(), logFile);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CHAR:
        if (w == L'\r') {
            writeLine(std::to_string(GetTickCount64()) + "\t" + helmsway::win32::narrow(pending));
            shownLines.push_back(pending.empty() ? L"(Enter)" : pending);
            if (shownLines.size() > 8) shownLines.pop_front();
            pending.clear();
            InvalidateRect(window, nullptr, TRUE);
        } else {
            pending.push_back(static_cast<wchar_t>(w));
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        int top = 4;
        for (const std::wstring& line : shownLines) {
            TextOutW(dc, 4, top, line.c_str(), static_cast<int>(line.size()));
            top += 16;
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc < 2) return 2;
    logFile = _wfopen(__wargv[1], L"wb");
    if (logFile == nullptr) return 2;
    const wchar_t* title = __argc > 2 ? __wargv[2] : L"Ultima Online";
    const wchar_t* className = __argc > 3 ? __wargv[3] : L"HelmswayTestReceiver";

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW,
                                        40, 40, 420, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    writeLine("ready");
    std::puts("ready");
    std::fflush(stdout);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::fclose(logFile);
    return 0;
}
