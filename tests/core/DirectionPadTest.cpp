// The pad's phrases, every cell, typed from the helm's reference tables rather than derived
// from the rule the code uses.
#include <gtest/gtest.h>

#include <array>
#include <map>
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

// Phrase by relative direction and speed 1 (one step), 2 (slow), 3 (full).
const std::map<std::string, std::array<std::string, 3>> kPhrases{
    {"Forward", {"Forward One", "Slow Forward", "Forward"}},
    {"Forward Right", {"Forward Right One", "Slow Forward Right", "Forward Right"}},
    {"Right", {"Right One", "Slow Right", "Right"}},
    {"Back Right", {"Back Right One", "Slow Back Right", "Back Right"}},
    {"Back", {"Back One", "Slow Back", "Back"}},
    {"Back Left", {"Back Left One", "Slow Back Left", "Back Left"}},
    {"Left", {"Left One", "Slow Left", "Left"}},
    {"Forward Left", {"Forward Left One", "Slow Forward Left", "Forward Left"}},
};

std::string expectedPhrase(int element, int facing, int speed) {
    if (element == 5 && facing == 4 && speed == 2) return "Slow Forward left";
    return kPhrases.at(kTranslation[element][facing])[speed - 1];
}

TEST(DirectionPad, EveryElementFacingAndSpeedRelaysItsPhraseThroughTheHandler) {
    for (int facing = 0; facing <= 4; ++facing)
        for (int speed = 1; speed <= 3; ++speed)
            for (int element = 0; element <= 7; ++element) {
                StartedHelm s;
                s.form.intFacing = static_cast<std::int16_t>(facing);
                s.form.intSpeed = static_cast<std::int16_t>(speed);
                s.form.click({Control::cmdDirection, static_cast<std::int16_t>(element)});
                // Relay only: no picture.
                EXPECT_EQ(s.desktop.take(), (std::vector<std::string>{"timer on", "activate"}));
                s.form.Timer1_Timer();
                EXPECT_EQ(s.desktop.typed,
                          std::vector<std::string>{expectedPhrase(element, facing, speed) + "⏎⏎"})
                    << "element " << element << " facing " << facing << " speed " << speed;
            }
}

}  // namespace
}  // namespace helmsway::testing
