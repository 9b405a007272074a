#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

using Calls = std::vector<std::string>;

TEST(Startup, FormLoadSetsTheStartValuesThenHeightThenTopmostThenItsCheckMark) {
    RecordingDesktop desktop;
    frmHelmsway form(desktop);
    form.intSpeed = form.intFacing = form.intAnchor = form.intPillar = 7;
    form.Form_Load();
    EXPECT_EQ(form.intSpeed, 3);
    EXPECT_EQ(form.intFacing, 0);
    EXPECT_EQ(form.intAnchor, 1);
    EXPECT_EQ(form.intPillar, 0);
    EXPECT_EQ(form.strCommand, "");
    EXPECT_EQ(desktop.take(), (Calls{"height 2670", "topmost on", "check mnuOnTop on"}));
    EXPECT_FALSE(desktop.timerEnabled);
}

TEST(Menus, AlwaysOnTopFollowsItsCheckMark) {
    RecordingDesktop desktop;
    frmHelmsway form(desktop);
    form.Form_Load();
    desktop.take();
    form.menuClick(Menu::mnuOnTop);
    EXPECT_EQ(desktop.take(), (Calls{"topmost off", "check mnuOnTop off"}));
    form.menuClick(Menu::mnuOnTop);
    EXPECT_EQ(desktop.take(), (Calls{"topmost on", "check mnuOnTop on"}));
}

TEST(Menus, LayoutsMoveTheCheckMarkThenSetTheHeight) {
    RecordingDesktop desktop;
    frmHelmsway form(desktop);
    form.menuClick(Menu::mnuAdvanced);
    EXPECT_EQ(desktop.take(),
              (Calls{"check mnuSimple off", "check mnuAdvanced on", "height 4395"}));
    form.menuClick(Menu::mnuSimple);
    EXPECT_EQ(desktop.take(),
              (Calls{"check mnuSimple on", "check mnuAdvanced off", "height 2670"}));
}

TEST(Menus, AboutAndExitOnlyAskTheDesktop) {
    RecordingDesktop desktop;
    frmHelmsway form(desktop);
    form.menuClick(Menu::mnuAbout);
    form.menuClick(Menu::mnuExit);
    form.menuClick(Menu::mnuspace2);
    form.menuClick(Menu::mnuOptions);
    EXPECT_EQ(desktop.take(), (Calls{"about", "close"}));
}

TEST(Menus, ShipNameIsTypedExactlyAsEnteredAndAnEmptyAnswerRelaysNothing) {
    struct Case {
        std::string answer;
        std::string typed;  // empty: nothing relayed
    };
    std::string longName;
    while (longName.size() < 10000) longName += "Sea+Wolf{} é ";
    const std::vector<Case> cases{
        {"", ""},
        {longName, "Set Name " + longName + "⏎⏎"},
        {"Sea Wolf", "Set Name Sea Wolf⏎⏎"},
        {"   ", "Set Name    ⏎⏎"},
        {" padded ", "Set Name  padded ⏎⏎"},
        {"a+b^c%d~e(f)g{h}i[j]", "Set Name a+b^c%d~e(f)g{h}i[j]⏎⏎"},
        {"{ENTER}", "Set Name {ENTER}⏎⏎"},
        {"Møwe ß é Æ @\"/\\_ 船", "Set Name Møwe ß é Æ @\"/\\_ 船⏎⏎"},
    };
    for (const Case& c : cases) {
        RecordingDesktop desktop;
        frmHelmsway form(desktop);
        form.Form_Load();
        desktop.inputAnswer = c.answer;
        desktop.take();
        form.menuClick(Menu::mnuName);
        const Calls calls = desktop.take();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0], "input Enter the name your ship | Ship Name");
        if (c.typed.empty()) {
            EXPECT_EQ(calls.size(), 1U);
            EXPECT_EQ(form.strCommand, "");
            continue;
        }
        EXPECT_EQ(calls, (Calls{calls[0], "timer on", "activate"}));
        form.Timer1_Timer();
        EXPECT_EQ(desktop.typed, (Calls{c.typed})) << c.answer;
    }
}

}  // namespace
}  // namespace helmsway::testing
