#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

TEST(Startup, FormLoadSetsTheStartValuesThenHeightThenTopmostThenItsCheckMark) {
    RecordingDesktop desktop;
    frmHelmsway form(desktop);
    form.Form_Load();
    EXPECT_EQ(form.speed(), Speed::Full);
    EXPECT_EQ(form.facing(), Facing::NotSet);
    EXPECT_TRUE(form.raisesAnchorNext());
    EXPECT_FALSE(form.saysSueacronNext());
    EXPECT_EQ(form.pendingText(), "");
    EXPECT_EQ(desktop.take(), (Calls{kSimpleHeight, "topmost on", "check mnuOnTop on"}));
}

TEST(Menus, EachChoiceAsksTheDesktopInItsOrder) {
    StartedHelm s;
    const std::pair<Menu, Calls> choices[] = {
        {Menu::mnuOnTop, {"topmost off", "check mnuOnTop off"}},
        {Menu::mnuOnTop, {"topmost on", "check mnuOnTop on"}},
        {Menu::mnuAdvanced, {"check mnuSimple off", "check mnuAdvanced on", kAdvancedHeight}},
        {Menu::mnuSimple, {"check mnuSimple on", "check mnuAdvanced off", kSimpleHeight}},
        {Menu::mnuAbout, {"about"}},
        {Menu::mnuspace2, {}},
        {Menu::mnuOptions, {}},
        {Menu::mnuExit, {"close"}},
    };
    for (const auto& [item, calls] : choices) {
        s.form.menuClick(item);
        EXPECT_EQ(s.desktop.take(), calls) << menuName(item);
    }
}

TEST(Menus, ShipNameIsTypedExactlyAsEnteredAndAnEmptyAnswerRelaysNothing) {
    std::string longName;
    while (longName.size() < 10000) longName += "Sea+Wolf{} é ";
    const std::pair<std::string, std::string> answers[] = {
        // typed; empty: nothing relayed
        {"", ""},
        {longName, "Set Name " + longName + "⏎⏎"},
        {"   ", "Set Name    ⏎⏎"},
        {"a+b^c%d~e(f)g{h}i[j]", "Set Name a+b^c%d~e(f)g{h}i[j]⏎⏎"},
        {"Møwe ß é Æ @\"/\\_ 船", "Set Name Møwe ß é Æ @\"/\\_ 船⏎⏎"},
    };
    for (const auto& [answer, typed] : answers) {
        StartedHelm s;
        s.desktop.inputAnswer = answer;
        s.form.menuClick(Menu::mnuName);
        Calls expected{"input Enter the name your ship | Ship Name"};
        if (!typed.empty()) expected.insert(expected.end(), {"timer on", "activate"});
        EXPECT_EQ(s.desktop.take(), expected);
        if (s.desktop.timerEnabled) s.form.Timer1_Timer();
        EXPECT_EQ(s.desktop.typed, typed.empty() ? Calls{} : Calls{typed}) << answer;
    }
}

}  // namespace
}  // namespace helmsway::testing
