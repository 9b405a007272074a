// The Options and Interface menus.
#include "app/MainWindowLayout.h"
#include "app/frmHelmsway.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway {

void frmHelmsway::mnuOnTop_Click() {
    // The check mark is the only record of the placement, so the two never drift apart.
    const bool onTop = desktop_.isChecked(Menu::mnuOnTop);
    desktop_.setTopmost(!onTop);
    desktop_.setChecked(Menu::mnuOnTop, !onTop);
}

void frmHelmsway::mnuName_Click() {
    const std::string name = desktop_.inputBox("Enter the name your ship", "Ship Name");
    if (name.empty()) return;
    // Escaped so that a name with + ^ % ~ ( ) { } [ ] is typed exactly as entered.
    RelayCommand("Set Name " + escapeKeystrokeText(name));
}

void frmHelmsway::mnuAbout_Click() { desktop_.showAbout(); }

void frmHelmsway::mnuExit_Click() { desktop_.closeMainWindow(); }

void frmHelmsway::mnuSimple_Click() {
    desktop_.setChecked(Menu::mnuSimple, true);
    desktop_.setChecked(Menu::mnuAdvanced, false);
    desktop_.setClientHeight(kSimpleClientHeightTwips);
}

void frmHelmsway::mnuAdvanced_Click() {
    desktop_.setChecked(Menu::mnuSimple, false);
    desktop_.setChecked(Menu::mnuAdvanced, true);
    desktop_.setClientHeight(kAdvancedClientHeightTwips);
}

}  // namespace helmsway
