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

using Files = std::vector<std::string>;

// The calls that loading `files` onto the four diagonals (0, 2, 4, 6) makes.
std::vector<std::string> diagonalLoads(const Files& files) {
    std::vector<std::string> calls;
    for (std::size_t i = 0; i < files.size(); ++i)
        calls.push_back("picture cmdDirection(" + std::to_string(2 * i) + ") " + files[i]);
    return calls;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Files kAllInactive{"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"};

// The four diagonals' files for facing (or gem) 0 to 4; turns end on the same displays.
const std::array<Files, 5> kActiveFor{{
    kAllInactive,
    {"fwd_l_sa.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_sa.bmp", "back_r_s.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_sa.bmp", "back_l_s.bmp"},
    {"fwd_l_s.bmp", "fwd_r_s.bmp", "back_r_s.bmp", "back_l_sa.bmp"},
}};

TEST(FacingGems, EachGemSetsTheFacingAndLoadsItsFourPictures) {
    for (std::int16_t gem = 0; gem <= 4; ++gem)
        for (std::int16_t before = 0; before <= 4; ++before) {
            StartedHelm s;
            s.form.BlueGem_Click(before);
            s.desktop.take();
            s.form.click({Control::BlueGem, gem});
            EXPECT_EQ(s.form.intFacing, gem);
            EXPECT_EQ(s.desktop.take(), diagonalLoads(kActiveFor[gem])) << "gem " << gem;
            EXPECT_FALSE(s.desktop.timerEnabled);
            EXPECT_EQ(s.form.strCommand, "");
        }
}

TEST(SpeedSelector, EachElementSetsTheModeAndLoadsTheRowInOrder) {
    const std::array<Files, 3> kByElement{{
        {"one_a.bmp", "slow.bmp", "normal.bmp"},
        {"one.bmp", "slow_a.bmp", "normal.bmp"},
        {"one.bmp", "slow.bmp", "normal_a.bmp"},
    }};
    for (std::int16_t element = 1; element <= 3; ++element) {
        StartedHelm s;
        s.form.click({Control::cmdSpeed, element});
        EXPECT_EQ(s.form.intSpeed, element);
        std::vector<std::string> expected;
        for (int i = 0; i < 3; ++i)
            expected.push_back("picture cmdSpeed(" + std::to_string(i + 1) + ") " +
                               kByElement[element - 1][i]);
        EXPECT_EQ(s.desktop.take(), expected);
        EXPECT_FALSE(s.desktop.timerEnabled);
    }
}

struct TurnRow {
    Control button;
    std::string phrase;
    std::array<std::int16_t, 4> newFacing;  // for old facing 1 to 4
};

const std::array<TurnRow, 3> kTurns{{
    {Control::cmdTurnLeft, "Turn Left", {4, 1, 2, 3}},
    {Control::cmdTurnRght, "Turn Right", {2, 3, 4, 1}},
    {Control::cmdTurnArnd, "Turn Around", {3, 4, 1, 2}},
}};

TEST(Turning, AFacingTurnsAndMovesTheMarkBeforeThePhraseIsRelayed) {
    for (const TurnRow& row : kTurns)
        for (std::int16_t old = 1; old <= 4; ++old) {
            StartedHelm s;
            s.form.BlueGem_Click(old);
            s.desktop.take();
            s.form.click({row.button});
            const std::int16_t now = row.newFacing[old - 1];
            EXPECT_EQ(s.form.intFacing, now) << row.phrase << " from " << old;
            EXPECT_EQ(s.desktop.take(),
                      concat(diagonalLoads(kActiveFor[now]), {"timer on", "activate"}));
            EXPECT_EQ(s.form.strCommand, row.phrase + "{ENTER}");
        }
}

TEST(Turning, WithoutAFacingOnlyThePhraseIsRelayed) {
    for (const TurnRow& row : kTurns)
        for (const std::int16_t facing :
             {std::int16_t{0}, std::int16_t{-1}, std::int16_t{5}, std::int16_t{32767}}) {
            StartedHelm s;
            s.form.intFacing = facing;
            s.form.click({row.button});
            EXPECT_EQ(s.form.intFacing, facing);
            EXPECT_EQ(s.desktop.take(), (std::vector<std::string>{"timer on", "activate"}));
            EXPECT_EQ(s.form.strCommand, row.phrase + "{ENTER}");
        }
}

// A picture that fails to load ends a handler at that element: the ones before show their new
// picture, it and the ones after keep the old, and for a turn nothing is relayed.
TEST(MissingPictures, EachHandlerStopsAtTheFailingElement) {
    for (std::size_t failing = 0; failing < 4; ++failing) {
        // Gem 3 from facing 1.
        {
            StartedHelm s;
            s.form.BlueGem_Click(1);
            const Files files = kActiveFor[3];
            s.desktop.missingFiles = {files[failing]};
            s.desktop.take();
            s.form.BlueGem_Click(3);
            EXPECT_EQ(s.form.intFacing, 3);
            Files tried(files.begin(), files.begin() + static_cast<long>(failing) + 1);
            EXPECT_EQ(s.desktop.take(), diagonalLoads(tried));
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_EQ(s.desktop.shownOnDiagonal[static_cast<int>(2 * i)],
                          i < failing ? files[i] : kActiveFor[1][i]);
        }
        // Turn Right from facing 1.
        {
            StartedHelm s;
            s.form.BlueGem_Click(1);
            s.form.strCommand = "earlier{ENTER}";
            const Files files = kActiveFor[2];
            s.desktop.missingFiles = {files[failing]};
            s.desktop.take();
            s.form.cmdTurnRght_Click();
            EXPECT_EQ(s.form.intFacing, 2);
            Files tried(files.begin(), files.begin() + static_cast<long>(failing) + 1);
            EXPECT_EQ(s.desktop.take(), diagonalLoads(tried));
            EXPECT_EQ(s.form.strCommand, "earlier{ENTER}");
            EXPECT_FALSE(s.desktop.timerEnabled);
        }
        // A map command after its relay: the command is on its way, the reset stops there.
        {
            StartedHelm s;
            s.form.BlueGem_Click(2);
            s.desktop.missingFiles = {kAllInactive[failing]};
            s.desktop.take();
            s.form.cmdNavigate_Click(3);
            EXPECT_EQ(s.form.intFacing, 0);
            Files tried(kAllInactive.begin(),
                        kAllInactive.begin() + static_cast<long>(failing) + 1);
            EXPECT_EQ(s.desktop.take(), concat({"timer on", "activate"}, diagonalLoads(tried)));
            EXPECT_EQ(s.form.strCommand, "Goto 3{ENTER}");
        }
    }
    for (std::size_t failing = 0; failing < 3; ++failing) {
        StartedHelm s;
        const Files files{"one.bmp", "slow_a.bmp", "normal.bmp"};
        s.desktop.missingFiles = {files[failing]};
        s.form.cmdSpeed_Click(2);
        EXPECT_EQ(s.form.intSpeed, 2);
        EXPECT_EQ(s.desktop.take().size(), failing + 1);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(s.desktop.shownOnSpeed.contains(static_cast<int>(i + 1)), i < failing);
    }
}

}  // namespace
}  // namespace helmsway::testing
