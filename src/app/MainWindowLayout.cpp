#include "app/MainWindowLayout.h"

#include <array>

namespace helmsway {
namespace {

using enum Control;
using K = ControlKind;

// The main window's controls, none of which takes the keyboard focus (kNoFocus). With no game
// window to activate, the tick types the phrase into whatever window is active, often the helm
// itself: a blank of "Goto 3" would press a focused button, relaying the phrase again, for ever.
constexpr ControlLayout picture(Control name, std::int16_t index, TwipsRect place,
                                std::string_view bitmap, PixelSize size) {
    return {.name = name,
            .index = index,
            .kind = K::PictureElement,
            .place = place,
            .caption = {},
            .bitmap = bitmap,
            .bitmapSize = size,
            .parent = name,
            .tabIndex = kNoFocus,
            .foreground = kBlack,
            .background = kBlack,
            .font = {}};
}

constexpr ControlLayout navButton(Control name, std::int16_t index, std::string_view caption,
                                  TwipsRect place) {
    return {.name = name,
            .index = index,
            .kind = K::PushButton,
            .place = place,
            .caption = caption,
            .bitmap = {},
            .bitmapSize = {},
            .parent = Frame1,
            .tabIndex = kNoFocus,
            .foreground = kBlack,
            .background = kBlack,
            .font = {}};
}

constexpr auto kControls = std::to_array<ControlLayout>({
    picture(cmdSpeed, 1, {240, 120, 420, 225}, "one.bmp", {26, 13}),
    picture(cmdSpeed, 2, {840, 120, 555, 225}, "slow.bmp", {35, 13}),
    picture(cmdSpeed, 3, {1560, 120, 765, 225}, "normal_a.bmp", {49, 13}),
    picture(BlueGem, 0, {1123, 374, 270, 270}, "gem.bmp", {16, 16}),
    picture(BlueGem, 1, {480, 600, 270, 270}, "gem.bmp", {16, 16}),
    picture(BlueGem, 2, {1800, 600, 270, 270}, "gem.bmp", {16, 16}),
    picture(BlueGem, 3, {1800, 1920, 270, 270}, "gem.bmp", {16, 16}),
    picture(BlueGem, 4, {480, 1920, 270, 270}, "gem.bmp", {16, 16}),
    picture(cmdDirection, 0, {690, 840, 390, 375}, "pad_0.bmp", {25, 25}),
    picture(cmdDirection, 1, {1065, 720, 375, 375}, "pad_1.bmp", {25, 25}),
    picture(cmdDirection, 2, {1425, 840, 375, 375}, "pad_2.bmp", {25, 25}),
    picture(cmdDirection, 3, {1545, 1200, 375, 375}, "pad_3.bmp", {25, 25}),
    picture(cmdDirection, 4, {1425, 1560, 375, 375}, "pad_4.bmp", {28, 25}),
    picture(cmdDirection, 5, {1065, 1680, 375, 375}, "pad_5.bmp", {25, 25}),
    picture(cmdDirection, 6, {705, 1560, 375, 375}, "pad_6.bmp", {25, 25}),
    picture(cmdDirection, 7, {585, 1200, 375, 375}, "pad_7.bmp", {25, 25}),
    picture(cmdStop, kNoIndex, {1065, 1200, 375, 375}, "stop.bmp", {25, 25}),
    picture(cmdTurnLeft, kNoIndex, {240, 1080, 314, 240}, "turn_left.bmp", {19, 14}),
    picture(cmdTurnRght, kNoIndex, {1980, 1080, 300, 240}, "turn_right.bmp", {19, 14}),
    picture(cmdTurnArnd, kNoIndex, {1065, 2100, 375, 375}, "turn_around.bmp", {25, 25}),
    picture(cmdAnchor, kNoIndex, {225, 2160, 195, 375}, "anchor.bmp", {13, 25}),
    picture(cmdPillar, kNoIndex, {2044, 2160, 195, 345}, "pillar.bmp", {13, 23}),
    {Frame1,
     kNoIndex,
     K::Frame,
     {300, 2760, 1935, 1455},
     "Navigate by Map",
     {},
     {},
     Frame1,
     kNoFocus,
     kFrameCaptionColour,
     kBlack,
     {}},
    navButton(cmdStart, kNoIndex, "Start", {1200, 360, 615, 255}),
    navButton(cmdNav, kNoIndex, "Nav", {1200, 1080, 615, 255}),
    navButton(cmdContinue, kNoIndex, "Cont.", {1200, 720, 615, 255}),
    navButton(cmdNavigate, 1, "1", {120, 360, 255, 255}),
    navButton(cmdNavigate, 2, "2", {480, 360, 255, 255}),
    navButton(cmdNavigate, 3, "3", {840, 360, 255, 255}),
    navButton(cmdNavigate, 4, "4", {120, 720, 255, 255}),
    navButton(cmdNavigate, 5, "5", {480, 720, 255, 255}),
    navButton(cmdNavigate, 6, "6", {840, 720, 255, 255}),
    navButton(cmdNavigate, 7, "7", {120, 1080, 255, 255}),
    navButton(cmdNavigate, 8, "8", {480, 1080, 255, 255}),
    navButton(cmdNavigate, 9, "9", {840, 1080, 255, 255}),
});

using enum Menu;

constexpr auto kMenus = std::to_array<MenuLayout>({
    {mnuOptions, "Options", false, mnuOptions},
    {mnuOnTop, "Always On Top", false, mnuOptions},
    {mnuSpace5, "-", false, mnuOptions},
    {mnuName, "Set Ship Name", false, mnuOptions},
    {mnuSpace4, "-", false, mnuOptions},
    {mnuAbout, "About", false, mnuOptions},
    {mnuspace2, "-", false, mnuOptions},
    {mnuExit, "Exit", false, mnuOptions},
    {mnuInterface, "Interface", false, mnuInterface},
    {mnuSimple, "Simple", true, mnuInterface},
    {mnuAdvanced, "Advanced", false, mnuInterface},
});

constexpr WindowLayout kWindow{
    .name = "frmHelmsway",
    .caption = kMainWindowCaption,
    .border = Border::FixedSingle,
    .clientArea = kMainClientArea,
    .background = kMainBackground,
    .controls = kControls,
};

}  // namespace

const WindowLayout& mainWindow() { return kWindow; }
std::span<const ControlLayout> mainWindowControls() { return kControls; }
std::span<const MenuLayout> mainWindowMenus() { return kMenus; }

TwipsRect absolutePlace(const ControlLayout& control) {
    return absolutePlace(mainWindowControls(), control);
}

}  // namespace helmsway
