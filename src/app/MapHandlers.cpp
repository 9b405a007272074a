// The map-course commands. A course takes the ship off any facing the player set, so each
// clears it before relaying and clears the pad's mark once the command is on its way.
#include "app/frmHelmsway.h"
#include "navigation/MapNavigation.h"

namespace helmsway {

void frmHelmsway::navigate(std::string_view phrase) {
    intFacing = Facing::NotSet;
    if (!RelayCommand(phrase)) return;
    ResetDiagonals();
}

void frmHelmsway::cmdNavigate_Click(std::int16_t index) { navigate(courseCommand(index)); }
void frmHelmsway::cmdStart_Click() { navigate("Start"); }
void frmHelmsway::cmdNav_Click() { navigate("Nav"); }
void frmHelmsway::cmdContinue_Click() { navigate("Continue"); }

}  // namespace helmsway
