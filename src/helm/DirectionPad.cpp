#include "helm/DirectionPad.h"

#include <array>

#include "app/frmHelmsway.h"
#include "helm/PadPictures.h"

namespace helmsway {
namespace {

// Indexed by Bearing, then by speed mode 1 (one step), 2 (slow), 3 (full).
constexpr std::array<std::array<std::string_view, 3>, 8> kPhrases{{
    {"Forward One", "Slow Forward", "Forward"},
    {"Forward Right One", "Slow Forward Right", "Forward Right"},
    {"Right One", "Slow Right", "Right"},
    {"Back Right One", "Slow Back Right", "Back Right"},
    {"Back One", "Slow Back", "Back"},
    {"Back Left One", "Slow Back Left", "Back Left"},
    {"Left One", "Slow Left", "Left"},
    {"Forward Left One", "Slow Forward Left", "Forward Left"},
}};

// The one cell the game has always been sent in this spelling; it is kept as it always was.
constexpr std::string_view kSlowForwardLeftFromBottomFacingDownLeft = "Slow Forward left";

}  // namespace

Bearing padBearing(std::int16_t element, std::int16_t facing) {
    // The element that means Forward: the top one without a facing, else the diagonal the
    // bow points to.
    const int forward = facing == 0 ? 1 : 2 * (facing - 1);
    return static_cast<Bearing>(((element - forward) % 8 + 8) % 8);
}

std::string_view padPhrase(std::int16_t element, std::int16_t facing, std::int16_t speed) {
    if (element == 5 && facing == 4 && speed == 2) return kSlowForwardLeftFromBottomFacingDownLeft;
    return kPhrases.at(static_cast<std::size_t>(padBearing(element, facing)))
        .at(static_cast<std::size_t>(speed - 1));
}

void frmHelmsway::cmdDirection_Click(std::int16_t index) {
    RelayCommand(padPhrase(index, intFacing, intSpeed));
}

bool frmHelmsway::showFacingOnPad(std::int16_t facing) {
    for (std::size_t diagonal = 0; diagonal < kDiagonalPictures.size(); ++diagonal) {
        const bool active = static_cast<std::size_t>(facing) == diagonal + 1;
        const PicturePair& files = kDiagonalPictures[diagonal];
        if (!desktop_.showPicture({Control::cmdDirection, diagonalElement(diagonal)},
                                  active ? files.active : files.inactive))
            return false;
    }
    return true;
}

void frmHelmsway::ResetDiagonals() { showFacingOnPad(0); }

}  // namespace helmsway
