// The layout tables against the windows' reference drawings, typed in here: every control's
// place, size, caption and bitmap size, and which control takes the focus.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "about/AboutLayout.h"
#include "app/MainWindowLayout.h"

namespace helmsway {
namespace {

using Rect = std::array<int, 4>;  // left, top, width, height in twips

Rect rect(const TwipsRect& r) { return {r.left, r.top, r.width, r.height}; }

struct Reference {
    ControlId id;
    Rect place;  // relative to the client area, also for the frame's own controls
    std::string caption;
    PixelSize bitmap{};
};

TEST(MainWindowLayout, EveryControlSitsWhereTheDrawingPutsIt) {
    using enum Control;
    std::vector<Reference> main{
        {{cmdSpeed, 1}, {240, 120, 420, 225}, "", {26, 13}},
        {{cmdSpeed, 2}, {840, 120, 555, 225}, "", {35, 13}},
        {{cmdSpeed, 3}, {1560, 120, 765, 225}, "", {49, 13}},
        {{BlueGem, 0}, {1123, 374, 270, 270}, "", {16, 16}},
        {{BlueGem, 1}, {480, 600, 270, 270}, "", {16, 16}},
        {{BlueGem, 2}, {1800, 600, 270, 270}, "", {16, 16}},
        {{BlueGem, 3}, {1800, 1920, 270, 270}, "", {16, 16}},
        {{BlueGem, 4}, {480, 1920, 270, 270}, "", {16, 16}},
        {{cmdDirection, 0}, {690, 840, 390, 375}, "", {25, 25}},
        {{cmdDirection, 1}, {1065, 720, 375, 375}, "", {25, 25}},
        {{cmdDirection, 2}, {1425, 840, 375, 375}, "", {25, 25}},
        {{cmdDirection, 3}, {1545, 1200, 375, 375}, "", {25, 25}},
        {{cmdDirection, 4}, {1425, 1560, 375, 375}, "", {28, 25}},
        {{cmdDirection, 5}, {1065, 1680, 375, 375}, "", {25, 25}},
        {{cmdDirection, 6}, {705, 1560, 375, 375}, "", {25, 25}},
        {{cmdDirection, 7}, {585, 1200, 375, 375}, "", {25, 25}},
        {{cmdStop}, {1065, 1200, 375, 375}, "", {25, 25}},
        {{cmdTurnLeft}, {240, 1080, 314, 240}, "", {19, 14}},
        {{cmdTurnRght}, {1980, 1080, 300, 240}, "", {19, 14}},
        {{cmdTurnArnd}, {1065, 2100, 375, 375}, "", {25, 25}},
        {{cmdAnchor}, {225, 2160, 195, 375}, "", {13, 25}},
        {{cmdPillar}, {2044, 2160, 195, 345}, "", {13, 23}},
        {{Frame1}, {300, 2760, 1935, 1455}, "Navigate by Map"},
        {{cmdStart}, {1500, 3120, 615, 255}, "Start"},
        {{cmdContinue}, {1500, 3480, 615, 255}, "Cont."},
        {{cmdNav}, {1500, 3840, 615, 255}, "Nav"},
    };
    // The keypad: 1 2 3 at the top, 4 5 6, 7 8 9, a button every 360 twips.
    for (std::int16_t n = 1; n <= 9; ++n)
        main.push_back({{cmdNavigate, n},
                        {420 + 360 * ((n - 1) % 3), 3120 + 360 * ((n - 1) / 3), 255, 255},
                        std::to_string(n)});
    ASSERT_EQ(mainWindowControls().size(), main.size());
    for (const Reference& r : main) {
        SCOPED_TRACE(std::string(controlName(r.id.name)) + std::to_string(r.id.index));
        const ControlLayout* control = findControl(mainWindowControls(), r.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(rect(absolutePlace(*control)), r.place);
        EXPECT_EQ(control->caption, r.caption);
        EXPECT_EQ(control->kind == ControlKind::PictureElement, r.bitmap.width > 0);
        EXPECT_EQ(control->bitmapSize.width, r.bitmap.width);
        EXPECT_EQ(control->bitmapSize.height, r.bitmap.height);
    }
}

TEST(AboutLayout, EveryControlAndTextAsDrawn) {
    using enum Control;
    const Reference kAbout[] = {
        {{cmdOK}, {3120, 3120, 1260, 345}, "OK"},
        {{picIcon}, {120, 120, 300, 300}, "", {20, 20}},
        {{lblDescription},
         {570, 1125, 3885, 690},
         "This program simply sends multiple key strokes to Ultima Online in the form of "
         "phrases.  It does not interfere with the datastream in any way. "},
        {{lblDisclaimer, 0}, {540, 2520, 1560, 465}, "Written by the Helmsway crew"},
        {{lblTitle}, {720, 240, 3045, 480}, "Helmsway"},
        {{lblVersion}, {570, 780, 3885, 225}, "Version 4.0"},
        {{Label1},
         {570, 1920, 3975, 495},
         "Questions and comments are welcome by e-mail to helmsway@example.org"},
        {{Label2},
         {240, 3120, 2655, 495},
         "Ultima Online and its graphics belong to Electronic Arts Inc."},
        {{lblDisclaimer, 1}, {2880, 2520, 1440, 465}, "(c) 2026 the Helmsway authors"},
        // White, 2 pixels thick, from x = 105 to 5654: past the right edge at 4575.
        {{Line1, 0}, {105, 2460, 5549, 30}, ""},
    };
    ASSERT_EQ(aboutWindowControls().size(), std::size(kAbout));
    for (std::size_t i = 0; i < std::size(kAbout); ++i) {
        const ControlLayout& control = aboutWindowControls()[i];  // in tab order
        SCOPED_TRACE(std::string(controlName(control.name)) + std::to_string(control.index));
        EXPECT_EQ(control.id(), kAbout[i].id);
        EXPECT_EQ(rect(control.place), kAbout[i].place);
        EXPECT_EQ(control.caption, kAbout[i].caption);
        EXPECT_EQ(control.bitmapSize.width, kAbout[i].bitmap.width);
        EXPECT_EQ(control.tabIndex >= 0, i == 0) << "only OK takes the focus";
    }
    EXPECT_EQ(aboutWindowControls()[4].font.face, "MS Sans Serif");  // lblTitle
    EXPECT_EQ(aboutWindowControls()[4].font.points, 13.5);
    EXPECT_EQ(aboutWindowControls().back().foreground, kWhite);  // Line1
}

// Both windows: fixed borders (the main window's with a minimise box, About's a dialog frame),
// centred when shown, black, with the program icon and the standard dialog font, MS Sans
// Serif of 8 points.
TEST(WindowLooks, BorderPlaceColourIconAndFontOfEachWindow) {
    const struct {
        const WindowLayout& window;
        Border border;
    } kWindows[] = {{mainWindow(), Border::FixedSingle}, {aboutWindow(), Border::FixedDialog}};
    for (const auto& [window, border] : kWindows) {
        SCOPED_TRACE(std::string(window.name));
        EXPECT_EQ(window.border, border);
        EXPECT_TRUE(window.centred);
        EXPECT_EQ(window.background, (Rgb{0, 0, 0}));
        EXPECT_EQ(window.icon, "helmsway.ico");
        EXPECT_EQ(window.font.face, "MS Sans Serif");
        EXPECT_EQ(window.font.points, 8);
    }
}

// At 96 dpi the Qt shell's places show it; a screen at 150 % as well.
TEST(Twips, BecomePixelsAtTheScreensDpiRoundedToTheNearest) {
    EXPECT_EQ(twipsToPixels(2670, 144), 267);
    EXPECT_EQ(twipsToPixels(375, 144), 38);  // 37.5
}

}  // namespace
}  // namespace helmsway
