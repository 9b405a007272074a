#include "helm/DirectionPad.h"

#include <array>


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

Bearing padBearing(std::int16_t element, Facing facing) {
    // The element that means Forward: the top one without a facing, else the diagonal the
    // bow points to.
    const int forward = facing == Facing::NotSet ? 1 : 2 * (static_cast<int>(facing) - 1);
    return static_cast<Bearing>(((element - forward) % 8 + 8) % 8);
}

std::string_view padPhrase(std::int16_t element, Facing facing, Speed speed) {
    if (element == 5 && facing == Facing::DownLeft && speed == Speed::Slow)
        return kSlowForwardLeftFromBottomFacingDownLeft;
    return kPhrases.at(static_cast<std::size_t>(padBearing(element, facing)))
        .at(static_cast<std::size_t>(speed) - 1);
}

}  // namespace helmsway
