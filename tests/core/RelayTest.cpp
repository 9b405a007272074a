// The relay: one pending text, stored before the timer is armed and the game window
// activated; typed once by the tick with a second Enter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

using Calls = std::vector<std::string>;

struct Command {
    ControlId control;
    std::string phrase;
};

// One command of each kind the helm has: fixed, pad, turn, map.
const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands{
        {{Control::cmdStop}, "Stop"},           {{Control::cmdAnchor}, "Raise Anchor"},
        {{Control::cmdPillar}, "Doracron"},     {{Control::cmdDirection, 1}, "Forward"},
        {{Control::cmdTurnArnd}, "Turn Around"}, {{Control::cmdNavigate, 3}, "Goto 3"},
        {{Control::cmdNavigate, 9}, "Goto 9"},  {{Control::cmdStart}, "Start"},
        {{Control::cmdNav}, "Nav"},             {{Control::cmdContinue}, "Continue"},
    };
    return kCommands;
}

TEST(Relay, EveryCommandStoresItsTextThenArmsTheTimerThenActivatesAndTheTickTypesIt) {
    for (const Command& command : commands()) {
        StartedHelm s;
        s.form.click(command.control);
        const Calls calls = s.desktop.take();
        ASSERT_GE(calls.size(), 2U) << command.phrase;
        EXPECT_EQ(calls[0], "timer on") << command.phrase;
        EXPECT_EQ(calls[1], "activate") << command.phrase;
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
        s.form.click(command.control);
        const Calls calls = s.desktop.take();
        // The relay step is the last that runs: no picture is reset after it.
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back(), "activate") << command.phrase;
        EXPECT_EQ(s.form.intAnchor, before.intAnchor);
        EXPECT_EQ(s.form.intPillar, before.intPillar);
        EXPECT_EQ(s.desktop.shownOnDiagonal[2], "fwd_r_sa.bmp") << command.phrase;
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
