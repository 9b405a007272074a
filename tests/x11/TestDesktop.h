#pragma once
// Small helpers for tests that drive the real X server.
#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <thread>

#include "server-time/ServerTime.h"
#include "support/Uncopyable.h"

namespace helmsway::x11::test {

// The display of the test run, opened once and kept for the whole run.
Display* testDisplay();

// A plain top-level window with a title, mapped and, under a window manager, managed.
class TestWindow : Uncopyable {
public:
    // `utf8Title`: also set _NET_WM_NAME; otherwise only WM_NAME (Latin-1) carries the title.
    TestWindow(Display* display, const std::string& title, bool utf8Title = true,
               Window transientFor = None);
    ~TestWindow();
    Window id() const { return window_; }

private:
    Display* display_;
    Window window_;
};

// Polls until `condition` holds or the timeout passes; its last answer.
template <typename Condition>
bool eventually(Condition condition,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(15000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Window focusedTopLevel(Display* display);  // the focus window, or the client holding it
Window activeWindow(Display* display);     // _NET_ACTIVE_WINDOW, None without one
bool keyIsDown(Display* display, KeyCode keycode);

}  // namespace helmsway::x11::test
