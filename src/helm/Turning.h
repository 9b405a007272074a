#pragma once
// The turn commands turn the facing the player set with the ship, so the pad keeps meaning the
// same screen directions afterwards.
#include "helm/HelmState.h"

namespace helmsway {

// The facing after the ship turns by quarter turns clockwise; without a facing there is none to
// turn.
Facing turned(Facing facing, int quarterTurnsClockwise);

}  // namespace helmsway
