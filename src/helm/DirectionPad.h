#pragma once
// The direction pad's translation from screen direction to bow-relative direction, and the
// phrase the game understands for each direction and speed mode.
#include <cstdint>
#include <string_view>

#include "helm/HelmState.h"

namespace helmsway {

// Clockwise from the bow.
enum class Bearing { Forward, ForwardRight, Right, BackRight, Back, BackLeft, Left, ForwardLeft };

// Pad element 0 to 7 (clockwise from the upper left) read with the facing.
Bearing padBearing(std::int16_t element, Facing facing);

// The phrase for a pad element at a facing and speed mode.
std::string_view padPhrase(std::int16_t element, Facing facing, Speed speed);

}  // namespace helmsway
