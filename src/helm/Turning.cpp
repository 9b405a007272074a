#include "helm/Turning.h"

namespace helmsway {

Facing turned(Facing facing, int quarterTurnsClockwise) {
    if (facing == Facing::NotSet) return facing;
    return static_cast<Facing>((static_cast<int>(facing) - 1 + quarterTurnsClockwise) % 4 + 1);
}

}  // namespace helmsway
