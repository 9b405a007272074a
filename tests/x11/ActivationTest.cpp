// Which window the helm brings to the front, among real windows under a real window manager:
// the titles as the shell reads them, the stacking order, and its own windows. The title rule
// itself is the core's, tested there.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <vector>

#include "TestDesktop.h"
#include "X11Relay.h"

namespace helmsway::x11::test {
namespace {

struct Case {
    const char* name;
    std::vector<const char*> titles;  // created in this order, so the last is topmost
    std::optional<std::size_t> own;   // the helm's own window among them
    std::optional<std::size_t> expected;
    std::optional<std::size_t> transientOfOwn = std::nullopt;  // a dialog of the helm
};

const Case kCases[] = {
    {"exact title", {"Helmsway", "Ultima Online", "xterm"}, 0, 1},
    {"exact title beats a logged-in client above it",
     {"Helmsway", "Ultima Online", "Ultima Online - Sam (Atlantic)"},
     0,
     1},
    {"topmost of two logged-in clients",
     {"Ultima Online - Ann (Atlantic)", "Ultima Online - Sam (Atlantic)", "Helmsway"},
     2,
     1},
    {"topmost of two exact titles", {"Ultima Online", "Ultima Online", "Helmsway"}, 2, 1},
    {"no game window", {"Helmsway", "Notes"}, 0, std::nullopt},
    {"own window is never the game", {"Ultima Online"}, 0, std::nullopt},
    {"own window skipped for another", {"Ultima Online", "Ultima Online"}, 1, 0},
    {"own dialog skipped", {"Helmsway", "Ultima Online - X (Y)"}, 0, std::nullopt, 1},
    {"no own window given", {"Ultima Online - Sam (Atlantic)"}, std::nullopt, 0},
    {"near misses",
     {"ultima online", "Ultima Online ", "Ultima Online -Sam", "Helmsway"},
     3,
     std::nullopt},
};

void runCase(const Case& c) {
    SCOPED_TRACE(c.name);
    Display* display = testDisplay();
    std::vector<std::unique_ptr<TestWindow>> windows;
    for (std::size_t i = 0; i < c.titles.size(); ++i) {
        const Window parent = c.transientOfOwn == i ? windows.at(*c.own)->id() : None;
        windows.push_back(std::make_unique<TestWindow>(display, c.titles[i], true, parent));
    }
    const Window own = c.own ? windows[*c.own]->id() : None;
    if (own != None) XSetInputFocus(display, own, RevertToParent, CurrentTime);

    const bool activated = activateGameWindow(display, own);
    ASSERT_EQ(activated, c.expected.has_value());
    if (!c.expected) return;
    const Window expected = windows[*c.expected]->id();
    EXPECT_TRUE(eventually([&] { return focusedTopLevel(display) == expected; }))
        << "focus on 0x" << std::hex << focusedTopLevel(display);
    if (windowManagerRuns(display)) {
        EXPECT_TRUE(eventually([&] { return activeWindow(display) == expected; }));
    }
}

TEST(ActivationTest, ChoosesTheGameWindowLikeTheTitleRuleSays) {
    ASSERT_TRUE(windowManagerRuns(testDisplay()));
    for (const Case& c : kCases) runCase(c);
}

TEST(ActivationTest, NoWindowManagerStillRaisesAndFocuses) {
    ASSERT_FALSE(windowManagerRuns(testDisplay()));
    for (const Case& c : kCases) runCase(c);
}

// Old programs set only WM_NAME, in Latin-1; the title still counts.
TEST(ActivationTest, LegacyTitleIsRead) {
    Display* display = testDisplay();
    TestWindow helm(display, "Helmsway");
    TestWindow game(display, "Ultima Online - J\xF6rg (Atlantic)", false);
    TestWindow other(display, "Editor");
    ASSERT_TRUE(activateGameWindow(display, helm.id()));
    EXPECT_TRUE(eventually([&] { return focusedTopLevel(display) == game.id(); }));
}

TEST(ActivationTest, NoDisplayIsAQuietFailure) {
    EXPECT_FALSE(activateGameWindow(nullptr, None));
    SpareKeys spare(nullptr);
    sendKeys(nullptr, spare, KeySequence{{NamedKey::Enter, 0}});  // must simply return
}

}  // namespace
}  // namespace helmsway::x11::test
