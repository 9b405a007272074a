#include "about/AboutLayout.h"

#include <array>

#include "about/Version.h"

namespace helmsway {
namespace {

using enum Control;
using K = ControlKind;

constexpr ControlLayout label(Control name, std::int16_t index, TwipsRect place,
                              std::string_view caption, Font font = {}) {
    return {name, index, K::Label, place, caption, {}, {}, name, kNoFocus, kWhite, kBlack, font};
}

constexpr auto kControls = std::to_array<ControlLayout>({
    {cmdOK,
     kNoIndex,
     K::PushButton,
     {3120, 3120, 1260, 345},
     "OK",
     {},
     {},
     cmdOK,
     0,
     kBlack,
     kBlack,
     {}},
    {picIcon,
     kNoIndex,
     K::PictureElement,
     {120, 120, 300, 300},
     {},
     kProgramIcon,
     {20, 20},
     picIcon,
     kNoFocus,
     kBlack,
     kBlack,
     {}},
    label(lblDescription, kNoIndex, {570, 1125, 3885, 690},
          "This program simply sends multiple key strokes to Ultima Online in the form of "
          "phrases.  It does not interfere with the datastream in any way. "),
    label(lblDisclaimer, 0, {540, 2520, 1560, 465}, "Written by the Helmsway crew"),
    label(lblTitle, kNoIndex, {720, 240, 3045, 480}, "Helmsway", {"MS Sans Serif", 13.5}),
    label(lblVersion, kNoIndex, {570, 780, 3885, 225}, kVersionCaption),
    label(Label1, kNoIndex, {570, 1920, 3975, 495},
          "Questions and comments are welcome by e-mail to helmsway@example.org"),
    label(Label2, kNoIndex, {240, 3120, 2655, 495},
          "Ultima Online and its graphics belong to Electronic Arts Inc."),
    label(lblDisclaimer, 1, {2880, 2520, 1440, 465}, "(c) 2026 the Helmsway authors"),
    {Line1,
     0,
     K::Line,
     {105, 2460, 5654 - 105, 30},
     {},
     {},
     {},
     Line1,
     kNoFocus,
     kWhite,
     kWhite,
     {}},
});

constexpr WindowLayout kWindow{
    .name = "frmAbout",
    .caption = kAboutCaption,
    .border = Border::FixedDialog,
    .keyboard = {.defaultButton = ControlId{cmdOK},
                 .cancelButton = ControlId{cmdOK},
                 .firstFocus = ControlId{cmdOK}},
    .clientArea = kAboutClientArea,
    .background = kAboutBackground,
    .controls = kControls,
};

}  // namespace

std::span<const ControlLayout> aboutWindowControls() { return kControls; }
const WindowLayout& aboutWindow() { return kWindow; }

}  // namespace helmsway
