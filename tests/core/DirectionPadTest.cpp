// The pad's phrases, every cell: the relative directions typed from the helm's reference
// table, where the code turns the pad by a rule, and the phrases by the rule of their words,
// where the code reads a table.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {
namespace {

// Relative direction by pad element (rows) and facing 0 to 4 (columns).
const std::array<std::array<std::string, 5>, 8> kTranslation{{
    {"Forward Left", "Forward", "Left", "Back", "Right"},
    {"Forward", "Forward Right", "Forward Left", "Back Left", "Back Right"},
    {"Forward Right", "Right", "Forward", "Left", "Back"},
    {"Right", "Back Right", "Forward Right", "Forward Left", "Back Left"},
    {"Back Right", "Back", "Right", "Forward", "Left"},
    {"Back", "Back Left", "Back Right", "Forward Right", "Forward Left"},
    {"Back Left", "Left", "Back", "Right", "Forward"},
    {"Left", "Forward Left", "Back Left", "Back Right", "Forward Right"},
}};

// The phrase of a relative direction at speed 1 (one step), 2 (slow) and 3 (full), with the
// one cell the game has always been sent in lower case.
std::string expectedPhrase(int element, int facing, int speed) {
    if (element == 5 && facing == 4 && speed == 2) return "Slow Forward left";
    const std::string& direction = kTranslation[element][facing];
    return speed == 1 ? direction + " One" : speed == 2 ? "Slow " + direction : direction;
}

TEST(DirectionPad, EveryElementFacingAndSpeedRelaysItsPhraseThroughTheHandler) {
    for (int facing = 0; facing <= 4; ++facing)
        for (int speed = 1; speed <= 3; ++speed)
            for (int element = 0; element <= 7; ++element) {
                StartedHelm s;
                s.form.BlueGem_Click(static_cast<std::int16_t>(facing));
                s.form.cmdSpeed_Click(static_cast<std::int16_t>(speed));
                s.desktop.take();
                s.form.click({Control::cmdDirection, static_cast<std::int16_t>(element)});
                // Relay only: no picture.
                EXPECT_EQ(s.desktop.take(), (Calls{"timer on", "activate"}));
                s.form.Timer1_Timer();
                EXPECT_EQ(s.desktop.typed, Calls{expectedPhrase(element, facing, speed) + "⏎⏎"})
                    << "element " << element << " facing " << facing << " speed " << speed;
            }
}

}  // namespace
}  // namespace helmsway::testing
