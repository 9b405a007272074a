// Which picture files each display handler loads, in which order, and where it stops when a
// file cannot be loaded.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

// The four diagonals (pad elements 0, 2, 4, 6) as facing 0 to 4 shows them.
const std::array<Calls, 5> kDiagonalsFor{{
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_sa.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_sa.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_sa.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_sa.bmp"},
}};

// The calls that show `files` on the diagonals, then `after`.
Calls diagonalLoads(const Calls& files, const Calls& after = {}) {
    Calls calls;
    for (std::size_t i = 0; i < 4; ++i)
        calls.push_back("picture cmdDirection(" + std::to_string(2 * i) + ") " + files[i]);
    calls.insert(calls.end(), after.begin(), after.end());
    return calls;
}

// Clicks `control` on a started helm made ready by `prepare`, first with every picture there,
// then once for each picture that click loads with that one missing: the handler must stop
// right after asking for it, and `check` reads what it had set by then.
void expectStopsAtEachFailingPicture(ControlId control,
                                     const std::function<void(StartedHelm&)>& check,
                                     const std::function<void(StartedHelm&)>& prepare = {}) {
    const auto run = [&](const std::string& missing) {
        auto s = std::make_unique<StartedHelm>();
        if (prepare) prepare(*s);
        s->desktop.missingFiles = {missing};
        s->desktop.take();
        s->form.click(control);
        return s;
    };
    const Calls whole = run("")->desktop.take();
    EXPECT_TRUE(std::ranges::any_of(whole, [](auto& call) { return call.starts_with("picture"); }));
    for (std::size_t k = 0; k < whole.size(); ++k) {
        if (!whole[k].starts_with("picture")) continue;
        const auto s = run(whole[k].substr(whole[k].rfind(' ') + 1));
        EXPECT_EQ(s->desktop.take(), Calls(whole.begin(), whole.begin() + k + 1)) << whole[k];
        check(*s);
    }
}

TEST(FacingGems, EachGemSetsTheFacingAndLoadsItsFourPicturesAndRelaysNothing) {
    for (std::int16_t gem = 0; gem <= 4; ++gem) {
        StartedHelm s;
        s.form.BlueGem_Click(2);
        s.desktop.take();
        s.form.click({Control::BlueGem, gem});
        EXPECT_EQ(static_cast<int>(s.form.facing()), gem);
        EXPECT_EQ(s.desktop.take(), diagonalLoads(kDiagonalsFor[gem])) << "gem " << gem;
        EXPECT_EQ(s.form.pendingText(), "");
    }
}

TEST(SpeedSelector, EachElementSetsTheModeAndLoadsTheRowInOrder) {
    const std::array<Calls, 3> kByElement{{
        {"picture cmdSpeed(1) one_a.bmp", "picture cmdSpeed(2) slow.bmp",
         "picture cmdSpeed(3) normal.bmp"},
        {"picture cmdSpeed(1) one.bmp", "picture cmdSpeed(2) slow_a.bmp",
         "picture cmdSpeed(3) normal.bmp"},
        {"picture cmdSpeed(1) one.bmp", "picture cmdSpeed(2) slow.bmp",
         "picture cmdSpeed(3) normal_a.bmp"},
    }};
    for (std::int16_t element = 1; element <= 3; ++element) {
        StartedHelm s;
        s.form.click({Control::cmdSpeed, element});
        EXPECT_EQ(static_cast<int>(s.form.speed()), element);
        EXPECT_EQ(s.desktop.take(), kByElement[element - 1]);
        // A failed picture leaves the new mode and stops the row there.
        expectStopsAtEachFailingPicture({Control::cmdSpeed, element}, [=](StartedHelm& f) {
            EXPECT_EQ(static_cast<int>(f.form.speed()), element);
        });
    }
}

TEST(Turning, AFacingTurnsAndMovesTheMarkBeforeThePhraseIsRelayed) {
    struct Row {
        Control button;
        std::string phrase;
        std::array<std::int16_t, 4> newFacing;  // from facing 1 to 4
    };
    const Row rows[] = {
        {Control::cmdTurnLeft, "Turn Left", {4, 1, 2, 3}},
        {Control::cmdTurnRght, "Turn Right", {2, 3, 4, 1}},
        {Control::cmdTurnArnd, "Turn Around", {3, 4, 1, 2}},
    };
    for (const Row& row : rows) {
        for (std::int16_t old = 1; old <= 4; ++old) {
            StartedHelm s;
            s.form.BlueGem_Click(old);
            s.desktop.take();
            s.form.click({row.button});
            const std::int16_t now = row.newFacing[old - 1];
            EXPECT_EQ(static_cast<int>(s.form.facing()), now) << row.phrase << " from " << old;
            EXPECT_EQ(s.desktop.take(),
                      diagonalLoads(kDiagonalsFor[now], {"timer on", "activate"}));
            EXPECT_EQ(s.form.pendingText(), row.phrase + "{ENTER}");
        }
        // No facing: only the phrase.
        StartedHelm s;
        s.form.click({row.button});
        EXPECT_EQ(s.form.facing(), Facing::NotSet);
        EXPECT_EQ(s.desktop.take(), (Calls{"timer on", "activate"})) << row.phrase;
    }
}

// A picture that fails to load ends a handler at that element, after the facing has been set:
// a gem or a turn relays nothing then. A map command resets the diagonals after its relay, so
// its command is on its way already.
TEST(MissingPictures, EachHandlerStopsAtTheFailingElement) {
    struct Case {
        const char* what;
        ControlId control;
        std::int16_t facing;  // afterwards, from facing 1
        std::string command;  // pending afterwards
    };
    const Case cases[] = {
        {"gem 3", {Control::BlueGem, 3}, 3, "earlier{ENTER}"},
        {"Turn Right", {Control::cmdTurnRght}, 2, "earlier{ENTER}"},
        {"Goto 3", {Control::cmdNavigate, 3}, 0, "Goto 3{ENTER}"},
    };
    for (const Case& c : cases)
        expectStopsAtEachFailingPicture(
            c.control,
            [&](StartedHelm& s) {
                EXPECT_EQ(static_cast<int>(s.form.facing()), c.facing) << c.what;
                EXPECT_EQ(s.form.pendingText(), c.command) << c.what;
            },
            [](StartedHelm& s) {
                s.form.BlueGem_Click(1);
                s.form.RelayCommand("earlier");
            });
}

}  // namespace
}  // namespace helmsway::testing
