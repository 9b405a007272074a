// Which picture files each display handler loads, in which order, and where it stops when a
// file cannot be loaded.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

using Calls = std::vector<std::string>;

// The four diagonals (pad elements 0, 2, 4, 6) as facing 0 to 4 shows them.
const std::array<Calls, 5> kDiagonalsFor{{
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_sa.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_sa.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_sa.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_sa.bmp"},
}};

// The calls that show the first `count` of `files` on the diagonals, then `after`.
Calls diagonalLoads(const Calls& files, std::size_t count = 4, const Calls& after = {}) {
    Calls calls;
    for (std::size_t i = 0; i < count; ++i)
        calls.push_back("picture cmdDirection(" + std::to_string(2 * i) + ") " + files[i]);
    calls.insert(calls.end(), after.begin(), after.end());
    return calls;
}

TEST(FacingGems, EachGemSetsTheFacingAndLoadsItsFourPicturesAndRelaysNothing) {
    for (std::int16_t gem = 0; gem <= 4; ++gem) {
        StartedHelm s;
        s.form.BlueGem_Click(2);
        s.desktop.take();
        s.form.click({Control::BlueGem, gem});
        EXPECT_EQ(s.form.intFacing, gem);
        EXPECT_EQ(s.desktop.take(), diagonalLoads(kDiagonalsFor[gem])) << "gem " << gem;
        EXPECT_EQ(s.form.strCommand, "");
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
        EXPECT_EQ(s.form.intSpeed, element);
        EXPECT_EQ(s.desktop.take(), kByElement[element - 1]);
        // A failed picture leaves the new mode and stops the row there.
        for (std::size_t failing = 0; failing < 3; ++failing) {
            StartedHelm f;
            const std::string& call = kByElement[element - 1][failing];
            f.desktop.missingFiles = {call.substr(call.rfind(' ') + 1)};
            f.form.cmdSpeed_Click(element);
            EXPECT_EQ(f.form.intSpeed, element);
            EXPECT_EQ(f.desktop.take(), Calls(kByElement[element - 1].begin(),
                                              kByElement[element - 1].begin() + failing + 1));
        }
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
            EXPECT_EQ(s.form.intFacing, now) << row.phrase << " from " << old;
            EXPECT_EQ(s.desktop.take(),
                      diagonalLoads(kDiagonalsFor[now], 4, {"timer on", "activate"}));
            EXPECT_EQ(s.form.strCommand, row.phrase + "{ENTER}");
        }
        // No facing, or one no writer stores: only the phrase.
        for (const int facing : {0, -1, 5}) {
            StartedHelm s;
            s.form.intFacing = static_cast<std::int16_t>(facing);
            s.form.click({row.button});
            EXPECT_EQ(s.form.intFacing, facing);
            EXPECT_EQ(s.desktop.take(), (Calls{"timer on", "activate"})) << row.phrase;
        }
    }
}

// A picture that fails to load ends a handler at that element, after the facing has been set:
// a gem or a turn relays nothing then. A map command resets the diagonals after its relay, so
// its command is on its way already.
TEST(MissingPictures, EachHandlerStopsAtTheFailingElement) {
    struct Case {
        const char* what;
        void (*click)(frmHelmsway&);
        std::int16_t facing;  // afterwards, from facing 1
        std::string command;  // pending afterwards
    };
    const Case cases[] = {
        {"gem 3", [](frmHelmsway& f) { f.BlueGem_Click(3); }, 3, "earlier{ENTER}"},
        {"Turn Right", [](frmHelmsway& f) { f.cmdTurnRght_Click(); }, 2, "earlier{ENTER}"},
        {"Goto 3", [](frmHelmsway& f) { f.cmdNavigate_Click(3); }, 0, "Goto 3{ENTER}"},
    };
    for (const Case& c : cases)
        for (std::size_t failing = 0; failing < 4; ++failing) {
            StartedHelm s;
            s.form.BlueGem_Click(1);
            s.form.strCommand = "earlier{ENTER}";
            s.desktop.missingFiles = {kDiagonalsFor[c.facing][failing]};
            s.desktop.take();
            c.click(s.form);
            EXPECT_EQ(s.form.intFacing, c.facing) << c.what;
            Calls expected;
            if (c.facing == 0) expected = {"timer on", "activate"};  // the map command
            for (const std::string& load : diagonalLoads(kDiagonalsFor[c.facing], failing + 1))
                expected.push_back(load);
            EXPECT_EQ(s.desktop.take(), expected) << c.what << ", failing at " << failing;
            EXPECT_EQ(s.form.strCommand, c.command);
        }
}

}  // namespace
}  // namespace helmsway::testing
