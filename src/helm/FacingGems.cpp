// The facing gems: the player tells the helm which screen diagonal the bow points to.
#include "app/frmHelmsway.h"

namespace helmsway {

void frmHelmsway::BlueGem_Click(std::int16_t index) {
    intFacing = index;
    showFacingOnPad(index);
}

}  // namespace helmsway
