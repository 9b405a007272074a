// The relay: one pending text, stored before the timer is armed and the game window
// activated; typed once by the tick with a second Enter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

// One command of each kind the helm has, as a started helm relays it: fixed, pad, turn, map.
const struct {
    ControlId control;
    std::string phrase;
} kCommands[] = {
    {{Control::cmdStop}, "Stop"},
    {{Control::cmdAnchor}, "Raise Anchor"},
    {{Control::cmdPillar}, "Doracron"},
    {{Control::cmdDirection, 1}, "Forward"},
    {{Control::cmdTurnArnd}, "Turn Around"},
    {{Control::cmdNavigate, 3}, "Goto 3"},
    {{Control::cmdNavigate, 9}, "Goto 9"},
    {{Control::cmdStart}, "Start"},
    {{Control::cmdNav}, "Nav"},
    {{Control::cmdContinue}, "Continue"},
};

// Each command stores its text, then arms the timer, then activates the game window; the tick
// types the text with a second Enter, disarms and keeps the text. Without a game window the
// relay step is the handler's last (no picture is reset after it), and the tick types all
// the same.
TEST(Relay, EveryCommandStoresItsTextThenArmsTheTimerThenActivatesAndTheTickTypesIt) {
    for (const bool game : {true, false})
        for (const auto& command : kCommands) {
            SCOPED_TRACE(command.phrase + (game ? "" : " without a game window"));
            StartedHelm s;
            s.desktop.gameWindowPresent = game;
            s.form.click(command.control);
            Calls calls = s.desktop.take();
            ASSERT_GE(calls.size(), 2U);
            if (game) calls.resize(2);
            EXPECT_EQ(calls, (Calls{"timer on", "activate"}));
            EXPECT_EQ(s.form.pendingText(), command.phrase + "{ENTER}");

            s.form.Timer1_Timer();
            EXPECT_EQ(s.desktop.take(), (Calls{"keys " + command.phrase + "⏎⏎", "timer off"}));
            EXPECT_EQ(s.form.pendingText(), command.phrase + "{ENTER}");
        }
}

// The second command arms Timer1 again while the first is pending, so its 300 ms start afresh
// and only its own text is typed.
TEST(Relay, ASecondCommandBeforeTheTickReArmsTheTimerAndReplacesTheText) {
    StartedHelm s;
    s.form.cmdStop_Click();
    s.desktop.take();
    s.form.cmdDirection_Click(5);
    EXPECT_EQ(s.desktop.take(), (Calls{"timer on", "activate"}));
    s.form.Timer1_Timer();
    EXPECT_EQ(s.desktop.typed, (Calls{"Back⏎⏎"}));
}

TEST(Relay, MapCommandsClearTheFacingBeforeTheRelayEvenWhenItFails) {
    StartedHelm s;
    s.form.BlueGem_Click(3);
    s.desktop.gameWindowPresent = false;
    s.desktop.take();
    s.form.cmdStart_Click();
    EXPECT_EQ(s.form.facing(), Facing::NotSet);
    EXPECT_EQ(s.desktop.take(), (Calls{"timer on", "activate"})) << "the mark stays";
}

TEST(FixedCommands, TogglesAlternateOnlyWhenTheRelaySucceeds) {
    StartedHelm s;
    std::string sent;
    const auto click = [&](void (frmHelmsway::*handler)()) {
        (s.form.*handler)();
        sent += s.form.pendingText();
    };
    for (int i = 0; i < 3; ++i) click(&frmHelmsway::cmdAnchor_Click);
    for (int i = 0; i < 2; ++i) click(&frmHelmsway::cmdPillar_Click);
    s.desktop.gameWindowPresent = false;
    for (int i = 0; i < 2; ++i) click(&frmHelmsway::cmdAnchor_Click);
    for (int i = 0; i < 2; ++i) click(&frmHelmsway::cmdPillar_Click);
    EXPECT_EQ(sent,
              "Raise Anchor{ENTER}Drop Anchor{ENTER}Raise Anchor{ENTER}Doracron{ENTER}"
              "Sueacron{ENTER}Drop Anchor{ENTER}Drop Anchor{ENTER}Doracron{ENTER}Doracron{ENTER}");
}

// Closing the window within the 300 ms: the tick never comes, so nothing is typed.
TEST(Relay, ClosingTheWindowStopsThePendingCommandsTimer) {
    StartedHelm s;
    s.form.cmdStop_Click();
    s.desktop.take();
    s.form.Form_Unload();
    EXPECT_EQ(s.desktop.take(), (Calls{"timer off"}));
}

// Only while a command waits, and only when the user did not click the helm, does an
// activation of the main window send the game to the front again.
TEST(Relay, AnActivationWhileACommandWaitsSendsTheGameForwardUnlessItWasAClick) {
    enum class Before { Nothing, Command, CommandAndTick, CommandAndClosing };
    const struct {
        Before before;
        bool byClick;
        Calls calls;
    } kCases[] = {
        {Before::Nothing, false, {}},
        {Before::Command, false, {"activate"}},
        {Before::Command, true, {}},
        {Before::CommandAndTick, false, {}},
        {Before::CommandAndClosing, false, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "before: " << static_cast<int>(c.before)
                                          << (c.byClick ? ", by a click" : ""));
        StartedHelm s;
        if (c.before != Before::Nothing) s.form.cmdStop_Click();
        if (c.before == Before::CommandAndTick) s.form.Timer1_Timer();
        if (c.before == Before::CommandAndClosing) s.form.Form_Unload();
        s.desktop.take();
        s.form.Form_Activate(c.byClick);
        EXPECT_EQ(s.desktop.take(), c.calls);
    }
}

TEST(Relay, ARejectedTextTypesNothingButStillEndsThePendingState) {
    StartedHelm s;
    s.form.RelayCommand("a+b");
    s.desktop.take();
    s.form.Timer1_Timer();
    EXPECT_EQ(s.desktop.take(), (Calls{"timer off"}));
}

}  // namespace
}  // namespace helmsway::testing
