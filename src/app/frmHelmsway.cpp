#include "app/frmHelmsway.h"

#include "app/MainWindowLayout.h"

namespace helmsway {

void frmHelmsway::Form_Load() {
    intSpeed = Speed::Full;
    intFacing = Facing::NotSet;
    intAnchor = true;
    intPillar = false;
    desktop_.setClientHeight(kSimpleClientHeightTwips);
    desktop_.setTopmost(true);
    desktop_.setChecked(Menu::mnuOnTop, true);
}

void frmHelmsway::click(ControlId control) {
    switch (control.name) {
    case Control::cmdSpeed: return cmdSpeed_Click(control.index);
    case Control::BlueGem: return BlueGem_Click(control.index);
    case Control::cmdDirection: return cmdDirection_Click(control.index);
    case Control::cmdStop: return cmdStop_Click();
    case Control::cmdTurnLeft: return cmdTurnLeft_Click();
    case Control::cmdTurnRght: return cmdTurnRght_Click();
    case Control::cmdTurnArnd: return cmdTurnArnd_Click();
    case Control::cmdAnchor: return cmdAnchor_Click();
    case Control::cmdPillar: return cmdPillar_Click();
    case Control::cmdNavigate: return cmdNavigate_Click(control.index);
    case Control::cmdStart: return cmdStart_Click();
    case Control::cmdContinue: return cmdContinue_Click();
    case Control::cmdNav: return cmdNav_Click();
    default: return;  // frames, labels and the About window's controls have no click here
    }
}

void frmHelmsway::menuClick(Menu item) {
    switch (item) {
    case Menu::mnuOnTop: return mnuOnTop_Click();
    case Menu::mnuName: return mnuName_Click();
    case Menu::mnuAbout: return mnuAbout_Click();
    case Menu::mnuExit: return mnuExit_Click();
    case Menu::mnuSimple: return mnuSimple_Click();
    case Menu::mnuAdvanced: return mnuAdvanced_Click();
    default: return;  // menu titles and separators have no handler
    }
}

}  // namespace helmsway
