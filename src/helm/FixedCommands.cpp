// Stop, and the two toggles that alternate between their phrases.
#include "app/frmHelmsway.h"

namespace helmsway {

void frmHelmsway::cmdStop_Click() { RelayCommand("Stop"); }

// The flag flips only once the game window took the command; otherwise the next click
// sends the same phrase again.
void frmHelmsway::relayToggle(std::int16_t& flag, std::string_view whenSet,
                              std::string_view whenClear) {
    const bool set = flag != 0;
    if (!RelayCommand(set ? whenSet : whenClear)) return;
    flag = set ? 0 : 1;
}

void frmHelmsway::cmdAnchor_Click() { relayToggle(intAnchor, "Raise Anchor", "Drop Anchor"); }
void frmHelmsway::cmdPillar_Click() { relayToggle(intPillar, "Sueacron", "Doracron"); }

}  // namespace helmsway
