// The relay: one pending text, stored before the timer is armed and the game window
// activated; typed once by the tick with a second Enter.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

using Calls = std::vector<std::string>;

struct Command {
    std::string name;
    std::function<void(frmHelmsway&)> click;
    std::string phrase;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands{
        {"stop", [](frmHelmsway& f) { f.click({Control::cmdStop}); }, "Stop"},
        {"anchor", [](frmHelmsway& f) { f.click({Control::cmdAnchor}); }, "Raise Anchor"},
        {"pillar", [](frmHelmsway& f) { f.click({Control::cmdPillar}); }, "Doracron"},
        {"pad",
         [](frmHelmsway& f) {
             f.click({Control::cmdDirection, 1});
         },
         "Forward"},
        {"turn", [](frmHelmsway& f) { f.click({Control::cmdTurnArnd}); }, "Turn Around"},
        {"goto 3",
         [](frmHelmsway& f) {
             f.click({Control::cmdNavigate, 3});
         },
         "Goto 3"},
        {"goto 9",
         [](frmHelmsway& f) {
             f.click({Control::cmdNavigate, 9});
         },
         "Goto 9"},
        {"start", [](frmHelmsway& f) { f.click({Control::cmdStart}); }, "Start"},
        {"nav", [](frmHelmsway& f) { f.click({Control::cmdNav}); }, "Nav"},
        {"continue", [](frmHelmsway& f) { f.click({Control::cmdContinue}); }, "Continue"},
    };
    return kCommands;
}

TEST(Relay, EveryCommandStoresItsTextThenArmsTheTimerThenActivatesAndTheTickTypesIt) {
    for (const Command& command : commands()) {
        StartedHelm s;
        command.click(s.form);
        const Calls calls = s.desktop.take();
        ASSERT_GE(calls.size(), 2U) << command.name;
        EXPECT_EQ(calls[0], "timer on") << command.name;
        EXPECT_EQ(calls[1], "activate") << command.name;
        EXPECT_EQ(s.form.strCommand, command.phrase + "{ENTER}");

        s.form.Timer1_Timer();
        EXPECT_EQ(s.desktop.take(), (Calls{"keys " + command.phrase + "⏎⏎", "timer off"}));
        EXPECT_EQ(s.form.strCommand, command.phrase + "{ENTER}") << "kept after the tick";
    }
}

TEST(Relay, ASecondCommandBeforeTheTickReplacesTheFirst) {
    StartedHelm s;
    s.form.cmdStop_Click();
    s.form.cmdNavigate_Click(5);
    s.form.Timer1_Timer();
    EXPECT_EQ(s.desktop.typed, (Calls{"Goto 5⏎⏎"}));
}

TEST(Relay, WithoutAGameWindowTheTextIsStillTypedAtTheTickButTheHandlerStops) {
    for (const Command& command : commands()) {
        StartedHelm s;
        s.desktop.shownOnDiagonal[2] = "fwd_r_sa.bmp";  // a mark a completed map command clears
        s.desktop.gameWindowPresent = false;
        s.desktop.take();
        const frmHelmsway before = s.form;
        command.click(s.form);
        const Calls calls = s.desktop.take();
        // The relay step is the last that runs: no picture is reset after it.
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back(), "activate") << command.name;
        EXPECT_EQ(s.form.intAnchor, before.intAnchor);
        EXPECT_EQ(s.form.intPillar, before.intPillar);
        EXPECT_EQ(s.desktop.shownOnDiagonal[2], "fwd_r_sa.bmp") << command.name;
        s.form.Timer1_Timer();
        EXPECT_EQ(s.desktop.typed, (Calls{command.phrase + "⏎⏎"}));
        EXPECT_FALSE(s.desktop.timerEnabled);
    }
}

TEST(Relay, MapCommandsClearTheFacingBeforeTheRelayEvenWhenItFails) {
    StartedHelm s;
    s.form.BlueGem_Click(3);
    s.desktop.gameWindowPresent = false;
    s.form.cmdStart_Click();
    EXPECT_EQ(s.form.intFacing, 0);
    EXPECT_EQ(s.desktop.shownOnDiagonal[4], "back_r_sa.bmp");
    s.form.cmdDirection_Click(1);
    EXPECT_EQ(s.form.strCommand, "Forward{ENTER}");
}

TEST(FixedCommands, TogglesAlternateOnlyWhenTheRelaySucceeds) {
    StartedHelm s;
    const auto phraseOf = [&](void (frmHelmsway::*click)()) {
        (s.form.*click)();
        return s.form.strCommand;
    };
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdAnchor_Click), "Raise Anchor{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdAnchor_Click), "Drop Anchor{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdAnchor_Click), "Raise Anchor{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdPillar_Click), "Doracron{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdPillar_Click), "Sueacron{ENTER}");
    s.desktop.gameWindowPresent = false;
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdAnchor_Click), "Drop Anchor{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdAnchor_Click), "Drop Anchor{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdPillar_Click), "Doracron{ENTER}");
    EXPECT_EQ(phraseOf(&frmHelmsway::cmdPillar_Click), "Doracron{ENTER}");
    EXPECT_EQ(s.form.intAnchor, 0);
    EXPECT_EQ(s.form.intPillar, 0);
}

TEST(Relay, ARejectedTextTypesNothingButStillEndsThePendingState) {
    StartedHelm s;
    s.form.cmdStop_Click();
    s.form.strCommand = "a+b{ENTER}";
    s.desktop.take();
    s.form.Timer1_Timer();
    EXPECT_EQ(s.desktop.take(), (Calls{"timer off"}));
}

}  // namespace
}  // namespace helmsway::testing
