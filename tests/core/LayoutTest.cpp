// The layout tables against the window's reference drawing, and the facts about it the shells
// rely on: what is in view in each height, and the keyboard order.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "about/AboutLayout.h"
#include "app/MainWindowLayout.h"

namespace helmsway {
namespace {

TEST(MainWindowLayout, FrameButtonsSitAtTheirAbsolutePlacesWithTheirCaptions) {
    struct Expected {
        ControlId id;
        std::string caption;
        int left, top;
    };
    const std::vector<Expected> expected{
        {{Control::cmdNavigate, 1}, "1", 420, 3120},   {{Control::cmdNavigate, 2}, "2", 780, 3120},
        {{Control::cmdNavigate, 3}, "3", 1140, 3120},  {{Control::cmdNavigate, 4}, "4", 420, 3480},
        {{Control::cmdNavigate, 5}, "5", 780, 3480},   {{Control::cmdNavigate, 6}, "6", 1140, 3480},
        {{Control::cmdNavigate, 7}, "7", 420, 3840},   {{Control::cmdNavigate, 8}, "8", 780, 3840},
        {{Control::cmdNavigate, 9}, "9", 1140, 3840},  {{Control::cmdStart}, "Start", 1500, 3120},
        {{Control::cmdContinue}, "Cont.", 1500, 3480}, {{Control::cmdNav}, "Nav", 1500, 3840},
    };
    for (const Expected& e : expected) {
        const ControlLayout* control = findControl(mainWindowControls(), e.id);
        ASSERT_NE(control, nullptr) << e.caption;
        EXPECT_EQ(control->caption, e.caption);
        EXPECT_EQ(control->kind, ControlKind::PushButton);
        const TwipsRect place = absolutePlace(*control);
        EXPECT_EQ(place.left, e.left) << e.caption;
        EXPECT_EQ(place.top, e.top) << e.caption;
    }
}

TEST(MainWindowLayout, SimpleShowsTheWholeHelmAndNoneOfTheFrameAdvancedShowsBoth) {
    const int simpleClient = kSimpleClientHeightTwips;
    const int advancedClient = kAdvancedClientHeightTwips;
    EXPECT_EQ(simpleClient, kMainClientArea.height);
    int pictures = 0;
    for (const ControlLayout& control : mainWindowControls()) {
        const TwipsRect place = absolutePlace(control);
        const int bottom = place.top + place.height;
        EXPECT_LE(place.left + place.width, kMainClientArea.width);
        if (control.kind == ControlKind::PictureElement) {
            ++pictures;
            EXPECT_LE(bottom, simpleClient);
        } else {
            EXPECT_GE(place.top, simpleClient);
            EXPECT_LE(bottom, advancedClient);
        }
    }
    EXPECT_EQ(pictures, 22);
}

TEST(MainWindowLayout, TabOrderRunsFromTheFrameToTheLastGem) {
    std::map<int, std::string> order;
    const auto name = [](const ControlLayout& c) {
        return std::string(controlName(c.name)) +
               (c.index == kNoIndex ? "" : std::to_string(c.index));
    };
    for (const ControlLayout& control : mainWindowControls())
        EXPECT_TRUE(order.emplace(control.tabIndex, name(control)).second) << name(control);
    std::string walked;
    for (const auto& [index, control] : order) walked += control + " ";
    EXPECT_EQ(walked,
              "Frame1 cmdStart cmdNav cmdContinue cmdNavigate1 cmdNavigate2 cmdNavigate3 "
              "cmdNavigate4 cmdNavigate5 cmdNavigate6 cmdNavigate7 cmdNavigate8 cmdNavigate9 "
              "cmdTurnLeft cmdTurnRght cmdTurnArnd cmdAnchor cmdPillar cmdDirection0 "
              "cmdDirection1 cmdDirection2 cmdDirection3 cmdDirection4 cmdDirection5 "
              "cmdDirection6 cmdDirection7 cmdStop BlueGem0 cmdSpeed1 cmdSpeed2 cmdSpeed3 "
              "BlueGem1 BlueGem2 BlueGem3 BlueGem4 ");
}

TEST(MainWindowLayout, MenusInOrderWithSeparatorsAndOnlySimpleChecked) {
    std::string walked;
    for (const MenuLayout& item : mainWindowMenus()) {
        walked += (item.isTitle() ? "|" : "") + std::string(item.caption) +
                  (item.checked ? "*" : "") + ";";
        EXPECT_EQ(item.isSeparator(), item.caption == "-");
    }
    EXPECT_EQ(walked,
              "|Options;Always On Top;-;Set Ship Name;-;About;-;Exit;|Interface;Simple*;Advanced;");
}

TEST(AboutLayout, TextsAndTheLineCutOffAtTheRightEdge) {
    std::map<Control, std::string> captions;
    for (const ControlLayout& control : aboutWindowControls())
        if (control.index <= 0) captions[control.name] = control.caption;
    EXPECT_EQ(captions[Control::lblVersion], "Version 4.0");
    EXPECT_EQ(captions[Control::lblTitle], "Helmsway");
    EXPECT_EQ(captions[Control::cmdOK], "OK");
    EXPECT_EQ(captions[Control::lblDescription].size(), 143U);
    EXPECT_EQ(captions[Control::lblDescription],
              "This program simply sends multiple key strokes to Ultima Online in the form of "
              "phrases.  It does not interfere with the datastream in any way. ");
    EXPECT_EQ(aboutWindowControls().front().name, Control::cmdOK);
    for (const ControlLayout& control : aboutWindowControls())
        if (control.kind == ControlKind::Line) {
            EXPECT_EQ(control.place.left, 105);
            EXPECT_GT(control.place.left + control.place.width, kAboutClientArea.width);
        }
}

TEST(Twips, BecomePixelsAtTheScreensDpi) {
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(twipsToPixels(375, 96), 25);
    EXPECT_EQ(twipsToPixels(1123, 96), 75);
    EXPECT_EQ(twipsToPixels(2505, 96), 167);
    EXPECT_EQ(twipsToPixels(375, 192), 50);
    EXPECT_EQ(twipsToPixels(2670, 144), 267);
}

}  // namespace
}  // namespace helmsway
