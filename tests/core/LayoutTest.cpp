// The layout tables against the windows' reference drawings, typed once into
// layout-reference.txt: every control's place, size, caption and bitmap size, and which
// control takes the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "about/AboutLayout.h"
#include "app/MainWindowLayout.h"

namespace helmsway {
namespace {

using Rect = std::array<int, 4>;  // left, top, width, height in twips

struct Drawn {
    std::string window, name;
    int index = kNoIndex;
    Rect place{};
    PixelSize bitmap{};  // 0 x 0: none
    std::string caption;
};

std::vector<Drawn> readDrawings() {
    std::ifstream file(HELMSWAY_LAYOUT_REFERENCE);
    std::vector<Drawn> drawn;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Drawn d;
        std::string index, bitmap;
        fields >> d.window >> d.name >> index >> d.place[0] >> d.place[1] >> d.place[2] >>
            d.place[3] >> bitmap >> std::quoted(d.caption);
        EXPECT_FALSE(fields.fail()) << line;
        if (index != "-") d.index = std::stoi(index);
        if (bitmap != "-") std::sscanf(bitmap.c_str(), "%dx%d", &d.bitmap.width, &d.bitmap.height);
        drawn.push_back(d);
    }
    return drawn;
}

TEST(Layout, EveryControlOfBothWindowsIsWhereTheDrawingPutsIt) {
    const std::map<std::string, std::span<const ControlLayout>> windows{
        {"main", mainWindowControls()}, {"about", aboutWindowControls()}};
    std::map<std::string, std::size_t> seen;
    for (const Drawn& d : readDrawings()) {
        SCOPED_TRACE(d.window + " " + d.name + " " + std::to_string(d.index));
        const std::span<const ControlLayout> controls = windows.at(d.window);
        const std::size_t nth = seen[d.window]++;
        auto control = std::ranges::find_if(controls, [&](const ControlLayout& c) {
            return controlName(c.name) == d.name && c.index == d.index;
        });
        // About's in tab order; the main window's in any order.
        if (d.window == "about") control = controls.begin() + std::min(nth, controls.size());
        ASSERT_NE(control, controls.end());
        EXPECT_EQ(controlName(control->name), d.name);
        EXPECT_EQ(control->index, d.index);
        const TwipsRect place = absolutePlace(controls, *control);
        EXPECT_EQ((Rect{place.left, place.top, place.width, place.height}), d.place);
        EXPECT_EQ(control->caption, d.caption);
        EXPECT_EQ(control->kind == ControlKind::PictureElement, d.bitmap.width > 0);
        EXPECT_EQ(control->bitmapSize.width, d.bitmap.width);
        EXPECT_EQ(control->bitmapSize.height, d.bitmap.height);
        EXPECT_EQ(control->tabIndex != kNoFocus, d.window == "about" && nth == 0);
    }
    EXPECT_EQ(seen["main"], mainWindowControls().size());
    EXPECT_EQ(seen["about"], aboutWindowControls().size());
}

// At 96 dpi the Qt shell's places show it; a screen at 150 % as well.
TEST(Twips, BecomePixelsAtTheScreensDpiRoundedToTheNearest) {
    EXPECT_EQ(twipsToPixels(2670, 144), 267);
    EXPECT_EQ(twipsToPixels(375, 144), 38);  // 37.5
}

}  // namespace
}  // namespace helmsway
