// The turn commands: the tracked facing turns with the ship, so the pad keeps meaning the
// same screen directions afterwards.
#include "app/frmHelmsway.h"

namespace helmsway {

void frmHelmsway::turn(std::string_view phrase, int quarterTurnsClockwise) {
    // Without a facing (or with a value no writer stores) there is nothing to turn.
    if (intFacing >= 1 && intFacing <= 4) {
        intFacing = static_cast<std::int16_t>((intFacing - 1 + quarterTurnsClockwise) % 4 + 1);
        if (!showFacingOnPad(intFacing)) return;
    }
    RelayCommand(phrase);
}

void frmHelmsway::cmdTurnLeft_Click() { turn("Turn Left", 3); }
void frmHelmsway::cmdTurnRght_Click() { turn("Turn Right", 1); }
void frmHelmsway::cmdTurnArnd_Click() { turn("Turn Around", 2); }

}  // namespace helmsway
