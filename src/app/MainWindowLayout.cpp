#include "app/MainWindowLayout.h"

#include <array>

namespace helmsway {
namespace {

using enum Control;
using K = ControlKind;

constexpr ControlLayout picture(Control name, std::int16_t index, TwipsRect place,
                                std::string_view bitmap, PixelSize size, int tab) {
    return {name, index, K::PictureElement, place, {}, bitmap, size, name, tab, kBlack, kBlack, {}};
}

constexpr ControlLayout navButton(Control name, std::int16_t index, std::string_view caption,
                                  TwipsRect place, int tab) {
    return {name, index, K::PushButton, place, caption, {}, {}, Frame1, tab, kBlack, kBlack, {}};
}

constexpr auto kControls = std::to_array<ControlLayout>({
    picture(cmdSpeed, 1, {240, 120, 420, 225}, "one.bmp", {26, 13}, 28),
    picture(cmdSpeed, 2, {840, 120, 555, 225}, "slow.bmp", {35, 13}, 29),
    picture(cmdSpeed, 3, {1560, 120, 765, 225}, "normal_a.bmp", {49, 13}, 30),
    picture(BlueGem, 0, {1123, 374, 270, 270}, "gem.bmp", {16, 16}, 27),
    picture(BlueGem, 1, {480, 600, 270, 270}, "gem.bmp", {16, 16}, 31),
    picture(BlueGem, 2, {1800, 600, 270, 270}, "gem.bmp", {16, 16}, 32),
    picture(BlueGem, 3, {1800, 1920, 270, 270}, "gem.bmp", {16, 16}, 33),
    picture(BlueGem, 4, {480, 1920, 270, 270}, "gem.bmp", {16, 16}, 34),
    picture(cmdDirection, 0, {690, 840, 390, 375}, "pad_0.bmp", {25, 25}, 18),
    picture(cmdDirection, 1, {1065, 720, 375, 375}, "pad_1.bmp", {25, 25}, 19),
    picture(cmdDirection, 2, {1425, 840, 375, 375}, "pad_2.bmp", {25, 25}, 20),
    picture(cmdDirection, 3, {1545, 1200, 375, 375}, "pad_3.bmp", {25, 25}, 21),
    picture(cmdDirection, 4, {1425, 1560, 375, 375}, "pad_4.bmp", {28, 25}, 22),
    picture(cmdDirection, 5, {1065, 1680, 375, 375}, "pad_5.bmp", {25, 25}, 23),
    picture(cmdDirection, 6, {705, 1560, 375, 375}, "pad_6.bmp", {25, 25}, 24),
    picture(cmdDirection, 7, {585, 1200, 375, 375}, "pad_7.bmp", {25, 25}, 25),
    picture(cmdStop, kNoIndex, {1065, 1200, 375, 375}, "stop.bmp", {25, 25}, 26),
    picture(cmdTurnLeft, kNoIndex, {240, 1080, 314, 240}, "turn_left.bmp", {19, 14}, 13),
    picture(cmdTurnRght, kNoIndex, {1980, 1080, 300, 240}, "turn_right.bmp", {19, 14}, 14),
    picture(cmdTurnArnd, kNoIndex, {1065, 2100, 375, 375}, "turn_around.bmp", {25, 25}, 15),
    picture(cmdAnchor, kNoIndex, {225, 2160, 195, 375}, "anchor.bmp", {13, 25}, 16),
    picture(cmdPillar, kNoIndex, {2044, 2160, 195, 345}, "pillar.bmp", {13, 23}, 17),
    {Frame1,
     kNoIndex,
     K::Frame,
     {300, 2760, 1935, 1455},
     "Navigate by Map",
     {},
     {},
     Frame1,
     0,
     kFrameCaptionColour,
     kBlack,
     {}},
    navButton(cmdStart, kNoIndex, "Start", {1200, 360, 615, 255}, 1),
    navButton(cmdNav, kNoIndex, "Nav", {1200, 1080, 615, 255}, 2),
    navButton(cmdContinue, kNoIndex, "Cont.", {1200, 720, 615, 255}, 3),
    navButton(cmdNavigate, 1, "1", {120, 360, 255, 255}, 4),
    navButton(cmdNavigate, 2, "2", {480, 360, 255, 255}, 5),
    navButton(cmdNavigate, 3, "3", {840, 360, 255, 255}, 6),
    navButton(cmdNavigate, 4, "4", {120, 720, 255, 255}, 7),
    navButton(cmdNavigate, 5, "5", {480, 720, 255, 255}, 8),
    navButton(cmdNavigate, 6, "6", {840, 720, 255, 255}, 9),
    navButton(cmdNavigate, 7, "7", {120, 1080, 255, 255}, 10),
    navButton(cmdNavigate, 8, "8", {480, 1080, 255, 255}, 11),
    navButton(cmdNavigate, 9, "9", {840, 1080, 255, 255}, 12),
});

using enum Menu;

constexpr auto kMenus = std::to_array<MenuLayout>({
    {mnuOptions, 0, "Options", false, mnuOptions},
    {mnuOnTop, 1, "Always On Top", false, mnuOptions},
    {mnuSpace5, kNoIndex, "-", false, mnuOptions},
    {mnuName, 2, "Set Ship Name", false, mnuOptions},
    {mnuSpace4, kNoIndex, "-", false, mnuOptions},
    {mnuAbout, 12, "About", false, mnuOptions},
    {mnuspace2, 13, "-", false, mnuOptions},
    {mnuExit, 4, "Exit", false, mnuOptions},
    {mnuInterface, 9, "Interface", false, mnuInterface},
    {mnuSimple, 10, "Simple", true, mnuInterface},
    {mnuAdvanced, 11, "Advanced", false, mnuInterface},
});

constexpr WindowLayout kWindow{
    .name = "frmHelmsway",
    .caption = kMainWindowCaption,
    .clientArea = kMainClientArea,
    .background = kMainBackground,
    .controls = kControls,
    .keyboard = {},
};

}  // namespace

const WindowLayout& mainWindow() { return kWindow; }
std::span<const ControlLayout> mainWindowControls() { return kControls; }
std::span<const MenuLayout> mainWindowMenus() { return kMenus; }

TwipsRect absolutePlace(const ControlLayout& control) {
    return absolutePlace(mainWindowControls(), control);
}

}  // namespace helmsway
