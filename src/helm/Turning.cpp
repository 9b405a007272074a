#include "helm/Turning.h"

namespace helmsway {

Facing turned(Facing facing, int quarterTurnsClockwise) {
    return static_cast<Facing>((static_cast<int>(facing) - 1 + quarterTurnsClockwise) % 4 + 1);
}

}  // namespace helmsway
