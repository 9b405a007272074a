// The helm's handlers: the direction pad, the speed selector, the facing gems, the turns, Stop,
// the anchor and the pillar. What they compose comes from helm/.
#include "app/frmHelmsway.h"
#include "helm/DirectionPad.h"
#include "helm/PadPictures.h"
#include "helm/Turning.h"

namespace helmsway {

void frmHelmsway::cmdDirection_Click(std::int16_t index) {
    RelayCommand(padPhrase(index, intFacing, intSpeed));
}

bool frmHelmsway::showFacingOnPad(Facing facing) {
    for (std::size_t diagonal = 0; diagonal < kDiagonalPictures.size(); ++diagonal) {
        const bool active = static_cast<std::size_t>(facing) == diagonal + 1;
        const PicturePair& files = kDiagonalPictures[diagonal];
        if (!desktop_.showPicture({Control::cmdDirection, diagonalElement(diagonal)},
                                  active ? files.active : files.inactive))
            return false;
    }
    return true;
}

void frmHelmsway::ResetDiagonals() { showFacingOnPad(Facing::NotSet); }

// The speed selector picks the form of the pad's phrases and shows the chosen word active.
void frmHelmsway::cmdSpeed_Click(std::int16_t index) {
    intSpeed = static_cast<Speed>(index);
    for (std::int16_t element = 1; element <= 3; ++element) {
        const PicturePair& files = kSpeedPictures[static_cast<std::size_t>(element - 1)];
        if (!desktop_.showPicture({Control::cmdSpeed, element},
                                  element == index ? files.active : files.inactive))
            return;
    }
}

// The facing gems: the player tells the helm which screen diagonal the bow points to.
void frmHelmsway::BlueGem_Click(std::int16_t index) {
    intFacing = static_cast<Facing>(index);
    showFacingOnPad(intFacing);
}

void frmHelmsway::turn(std::string_view phrase, int quarterTurnsClockwise) {
    // Without a facing there is none to turn, and no mark to move.
    if (intFacing != Facing::NotSet) {
        intFacing = turned(intFacing, quarterTurnsClockwise);
        if (!showFacingOnPad(intFacing)) return;
    }
    RelayCommand(phrase);
}

void frmHelmsway::cmdTurnLeft_Click() { turn("Turn Left", 3); }
void frmHelmsway::cmdTurnRght_Click() { turn("Turn Right", 1); }
void frmHelmsway::cmdTurnArnd_Click() { turn("Turn Around", 2); }

void frmHelmsway::cmdStop_Click() { RelayCommand("Stop"); }

// The flag flips only once the game window took the command; otherwise the next click
// sends the same phrase again.
void frmHelmsway::relayToggle(bool& flag, std::string_view whenSet, std::string_view whenClear) {
    if (!RelayCommand(flag ? whenSet : whenClear)) return;
    flag = !flag;
}

void frmHelmsway::cmdAnchor_Click() { relayToggle(intAnchor, "Raise Anchor", "Drop Anchor"); }
void frmHelmsway::cmdPillar_Click() { relayToggle(intPillar, "Sueacron", "Doracron"); }

}  // namespace helmsway
