#pragma once
// The turn commands turn the facing the player set with the ship, so the pad keeps meaning the
// same screen directions afterwards.
#include "helm/HelmState.h"

namespace helmsway {

// The facing, one the player has set, after the ship turns by quarter turns clockwise.
Facing turned(Facing facing, int quarterTurnsClockwise);

}  // namespace helmsway
