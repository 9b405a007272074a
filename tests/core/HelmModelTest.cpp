// Thousands of random clicks, menu choices and ticks, compared after each with a small model
// of the helm kept here.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "app/frmHelmsway.h"
#include "helm/DirectionPad.h"

namespace helmsway::testing {
namespace {

struct HelmModel {
    int speed = 3, facing = 0, anchor = 1, pillar = 0;
    std::string pending;
    bool armed = false;
    int markedDiagonal = 0;  // facing shown on the pad; 0 none
    int markedSpeed = 3;
    bool onTop = true, advanced = false;
    std::vector<std::string> typed;

    bool relay(const std::string& phrase, bool gamePresent) {
        pending = phrase;
        armed = true;
        return gamePresent;
    }
};

TEST(HelmModel, RandomSessionsMatchTheModelAfterEveryStep) {
    std::mt19937 random(4242);
    const std::vector<std::string> names{"", "Sea Wolf", "  ", "a+b{c}", "Møwe"};
    for (int session = 0; session < 40; ++session) {
        RecordingDesktop desktop;
        frmHelmsway form(desktop);
        form.Form_Load();
        HelmModel model;
        for (int step = 0; step < 500; ++step) {
            const bool game = random() % 5 != 0;
            desktop.gameWindowPresent = game;
            const int op = static_cast<int>(random() % 15);
            const auto pick = [&](int lo, int hi) {
                return static_cast<std::int16_t>(lo + static_cast<int>(random() % (hi - lo + 1)));
            };
            std::string what;
            switch (op) {
            case 0: {
                const std::int16_t e = pick(0, 7);
                what = "pad " + std::to_string(e);
                form.click({Control::cmdDirection, e});
                model.relay(std::string(padPhrase(e, static_cast<std::int16_t>(model.facing),
                                                  static_cast<std::int16_t>(model.speed))),
                            game);
                break;
            }
            case 1: {
                const std::int16_t e = pick(1, 3);
                what = "speed";
                form.click({Control::cmdSpeed, e});
                model.speed = model.markedSpeed = e;
                break;
            }
            case 2: {
                const std::int16_t g = pick(0, 4);
                what = "gem";
                form.click({Control::BlueGem, g});
                model.facing = model.markedDiagonal = g;
                break;
            }
            case 3:
            case 4:
            case 5: {
                const Control buttons[] = {Control::cmdTurnLeft, Control::cmdTurnRght,
                                           Control::cmdTurnArnd};
                const char* phrases[] = {"Turn Left", "Turn Right", "Turn Around"};
                const int quarter[] = {-1, 1, 2};
                what = phrases[op - 3];
                form.click({buttons[op - 3]});
                if (model.facing != 0) {
                    model.facing = (model.facing - 1 + quarter[op - 3] + 4) % 4 + 1;
                    model.markedDiagonal = model.facing;
                }
                model.relay(phrases[op - 3], game);
                break;
            }
            case 6:
                what = "stop";
                form.click({Control::cmdStop});
                model.relay("Stop", game);
                break;
            case 7:
                what = "anchor";
                form.click({Control::cmdAnchor});
                if (model.relay(model.anchor ? "Raise Anchor" : "Drop Anchor", game))
                    model.anchor = !model.anchor;
                break;
            case 8:
                what = "pillar";
                form.click({Control::cmdPillar});
                if (model.relay(model.pillar ? "Sueacron" : "Doracron", game))
                    model.pillar = !model.pillar;
                break;
            case 9: {
                const std::int16_t n = pick(1, 12);
                const std::array<std::pair<Control, const char*>, 3> fixed{
                    {{Control::cmdStart, "Start"},
                     {Control::cmdNav, "Nav"},
                     {Control::cmdContinue, "Continue"}}};
                what = "map";
                if (n <= 9)
                    form.click({Control::cmdNavigate, n});
                else
                    form.click({fixed[n - 10].first});
                model.facing = 0;
                if (model.relay(n <= 9 ? "Goto " + std::to_string(n) : fixed[n - 10].second, game))
                    model.markedDiagonal = 0;
                break;
            }
            case 10: {
                const std::string& name = names[random() % names.size()];
                what = "name";
                desktop.inputAnswer = name;
                form.menuClick(Menu::mnuName);
                if (!name.empty()) model.relay("Set Name " + name, game);
                break;
            }
            case 11:
                what = "on top";
                form.menuClick(Menu::mnuOnTop);
                model.onTop = !model.onTop;
                break;
            case 12:
                what = "layout";
                model.advanced = random() % 2 == 0;
                form.menuClick(model.advanced ? Menu::mnuAdvanced : Menu::mnuSimple);
                break;
            default:
                // The timer only ticks while it is enabled.
                what = "tick";
                if (desktop.timerEnabled) form.Timer1_Timer();
                if (model.armed) model.typed.push_back(model.pending + "⏎⏎");
                model.armed = false;
                break;
            }
            SCOPED_TRACE("session " + std::to_string(session) + " step " + std::to_string(step) +
                         " " + what);
            ASSERT_EQ(form.intSpeed, model.speed);
            ASSERT_EQ(form.intFacing, model.facing);
            ASSERT_EQ(form.intAnchor, model.anchor);
            ASSERT_EQ(form.intPillar, model.pillar);
            ASSERT_EQ(desktop.timerEnabled, model.armed);
            ASSERT_EQ(desktop.typed, model.typed);
            ASSERT_EQ(desktop.topmost, model.onTop);
            ASSERT_EQ(desktop.isChecked(Menu::mnuOnTop), model.onTop);
            ASSERT_EQ(desktop.isChecked(Menu::mnuAdvanced), model.advanced);
            ASSERT_EQ(desktop.isChecked(Menu::mnuSimple), !model.advanced);
            ASSERT_EQ(desktop.clientHeight, model.advanced ? 4395 : 2670);
            for (int d = 0; d < 4; ++d) {
                if (desktop.shownOnDiagonal.contains(2 * d)) {
                    ASSERT_EQ(desktop.shownOnDiagonal[2 * d].ends_with("a.bmp"),
                              model.markedDiagonal == d + 1);
                }
            }
            for (int e = 1; e <= 3; ++e) {
                if (desktop.shownOnSpeed.contains(e)) {
                    ASSERT_EQ(desktop.shownOnSpeed[e].ends_with("_a.bmp"), model.markedSpeed == e);
                }
            }
        }
    }
}

}  // namespace
}  // namespace helmsway::testing
