// Which window the helm brings to the front, among real windows under a real window manager:
// what the shell reads of each (title, stacking order, class, program, its own windows) reaches
// the core's rule, which is tested on its own in the core's tests.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Processes.h"
#include "TestDesktop.h"
#include "relay/linux/Process.h"
#include "relay/x11/WindowList.h"
#include "relay/x11/X11Relay.h"

namespace helmsway::x11::test {
namespace {

// What a window says of its program: a process (by id) on a machine, as EWMH has it.
void claimProcess(Display* display, Window window, long pid, const std::string& machine) {
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XChangeProperty(display, window, XInternAtom(display, "WM_CLIENT_MACHINE", False), XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(machine.data()),
                    static_cast<int>(machine.size()));
}

struct Shown {
    const char* title;
    const char* windowClass = nullptr;  // WM_CLASS's class
    const char* program = nullptr;      // a process of that name, "" for the test itself
    bool remote = false;                // the process is said to run on another machine
    bool latin1Title = false;           // only WM_NAME, in Latin-1, as old programs set it
    bool minimized = false;
};

struct Case {
    const char* name;
    std::vector<Shown> windows;      // created in this order, so the last is topmost
    std::optional<std::size_t> own;  // the helm's own window among them
    std::optional<std::size_t> expected;
    std::optional<std::size_t> transientOfOwn = std::nullopt;  // a dialog of the helm
};

// What the listing reads of each window; which titles count is the core's rule.
const Case kCases[] = {
    {"topmost of two clients", {{"Helmsway"}, {"Ultima Online"}, {"ClassicUO - 1.1.0.0"}}, 0, 2},
    {"own window skipped for another", {{"Ultima Online"}, {"Ultima Online"}}, 1, 0},
    {"own dialog skipped", {{"Helmsway"}, {"Ultima Online - X (Y)"}}, 0, {}, 1},
    {"a window of the helm's process", {{"Ultima Online", nullptr, ""}}, {}, {}},
    {"a folder on top, told by its class",
     {{"Ultima Online - Sam (Atlantic)"}, {"Ultima Online", "org.gnome.Nautilus"}},
     {},
     0},
    {"a folder on top, told by its program",
     {{"ClassicUO - 1.1.0.0"}, {"Ultima Online", "Files", "nautilus"}},
     {},
     0},
    {"a process of another machine tells nothing",
     {{"ClassicUO - 1.1.0.0"}, {"Ultima Online", "Files", "nautilus", true}},
     {},
     1},
    {"a title in WM_NAME only",
     {{"Helmsway"}, {.title = "Ultima Online - J\xF6rg (Atlantic)", .latin1Title = true}},
     0,
     1},
    // The player has minimized the game to read something: a click brings it back.
    {"a minimized game", {{.title = "ClassicUO - 1.1.0.0", .minimized = true}, {"Helmsway"}}, 1, 0},
};

void runCase(const Case& c) {
    SCOPED_TRACE(c.name);
    Display* display = testDisplay();
    const bool managed = hasWindowManager(display);
    std::vector<std::unique_ptr<ChildProcess>> processes;  // a window's program
    std::vector<std::unique_ptr<TestWindow>> windows;
    for (std::size_t i = 0; i < c.windows.size(); ++i) {
        const Shown& shown = c.windows[i];
        const Window parent = c.transientOfOwn == i ? windows.at(*c.own)->id() : None;
        windows.push_back(
            std::make_unique<TestWindow>(display, shown.title, !shown.latin1Title, parent));
        const Window window = windows.back()->id();
        if (shown.windowClass) {
            XClassHint hint{const_cast<char*>("test"), const_cast<char*>(shown.windowClass)};
            XSetClassHint(display, window, &hint);
        }
        if (shown.program) {
            long pid = getpid();
            if (*shown.program) {
                processes.push_back(std::make_unique<ChildProcess>(
                    "sleep", shown.program, std::vector<std::string>{"60"}));
                pid = processes.back()->pid();
            }
            claimProcess(display, window, pid, shown.remote ? "elsewhere.example" : linux_process::hostName());
        }
        // Only a window manager minimizes; on a bare server the window stays as it was.
        if (shown.minimized && managed) {
            XIconifyWindow(display, window, DefaultScreen(display));
            ASSERT_TRUE(eventually([&] {
                XWindowAttributes attributes{};
                XGetWindowAttributes(display, window, &attributes);
                return attributes.map_state != IsViewable;
            }));
        }
    }
    XSync(display, False);
    // The window manager focuses a window it has just mapped on its own time; an activation
    // asked for before that would be overridden by it, which no click on the helm ever meets.
    if (managed)
        eventually([&] { return activeWindow(display) == windows.back()->id(); },
                   std::chrono::seconds(2));
    const Window own = c.own ? windows[*c.own]->id() : None;
    if (own != None) XSetInputFocus(display, own, RevertToParent, CurrentTime);

    const bool activated = activateGameWindow(display, own, serverTime(display));
    ASSERT_EQ(activated, c.expected.has_value());
    if (!c.expected) return;
    const Window expected = windows[*c.expected]->id();
    EXPECT_TRUE(eventually([&] { return focusedTopLevel(display) == expected; }))
        << "focus on 0x" << std::hex << focusedTopLevel(display);
    EXPECT_TRUE(!managed || eventually([&] { return activeWindow(display) == expected; }));
}

TEST(ActivationTest, ChoosesTheGameWindowFromWhatTheWindowsTell) {
    ASSERT_TRUE(hasWindowManager(testDisplay()));
    for (const Case& c : kCases) runCase(c);
}

TEST(ActivationTest, NoWindowManagerStillRaisesAndFocuses) {
    ASSERT_FALSE(hasWindowManager(testDisplay()));
    for (const Case& c : kCases) runCase(c);
}

}  // namespace
}  // namespace helmsway::x11::test
