#pragma once
// The main window's behaviour: the helm state and every handler, named as the controls they
// serve. The handlers live here in app/ and take what they compose from the subsystems' rules
// (helm/, navigation/, relay/); a shell forwards events through click(), menuClick(),
// Timer1_Timer(), Form_Activate() and Form_Unload().
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Desktop.h"
#include "helm/HelmState.h"
#include "layout/Controls.h"

namespace helmsway {

class frmHelmsway {
public:
    explicit frmHelmsway(Desktop& desktop) : desktop_(desktop) {}

    // The helm state as the handlers left it, for the shells and the tests to read.
    Speed speed() const { return intSpeed; }
    Facing facing() const { return intFacing; }
    bool raisesAnchorNext() const { return intAnchor; }
    bool saysSueacronNext() const { return intPillar; }
    const std::string& pendingText() const { return strCommand; }

    void Form_Load();

    // Event entry points for the shells, dispatching by name and index to the handlers below.
    void click(ControlId control);
    void menuClick(Menu item);
    void Timer1_Timer();
    // The main window has become active, by a click on it or otherwise (a window of ours that
    // closed handed the activation back). A shell reports it once the activation has run to
    // its end and only while the main window still holds it.
    void Form_Activate(bool byClick);
    // The main window closes, whichever way: Exit, its close box, the end of the session.
    void Form_Unload();

    // Command relay.
    bool RelayCommand(std::string_view phrase);

    // Helm.
    void cmdDirection_Click(std::int16_t index);
    void cmdSpeed_Click(std::int16_t index);
    void BlueGem_Click(std::int16_t index);
    void cmdTurnLeft_Click();
    void cmdTurnRght_Click();
    void cmdTurnArnd_Click();
    void cmdStop_Click();
    void cmdAnchor_Click();
    void cmdPillar_Click();

    // Map navigation.
    void cmdNavigate_Click(std::int16_t index);
    void cmdStart_Click();
    void cmdNav_Click();
    void cmdContinue_Click();

    // Menus. Each item is a one-element array whose index the handler ignores.
    void mnuOnTop_Click();
    void mnuName_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuSimple_Click();
    void mnuAdvanced_Click();

private:
    void ResetDiagonals();  // the last step of its callers: a picture that fails ends it there
    // Shows the facing's diagonal active and the other three inactive; all four inactive
    // without a facing. Stops at the first picture that fails to load.
    bool showFacingOnPad(Facing facing);
    void turn(std::string_view phrase, int quarterTurnsClockwise);
    void navigate(std::string_view phrase);
    void relayToggle(bool& flag, std::string_view whenSet, std::string_view whenClear);

    // Helm state, changed only by the handlers. Its start values are set by Form_Load, not
    // here, so a window that was never loaded is visibly unlike a started one.
    Speed intSpeed = Speed{};
    Facing intFacing = Facing::UpLeft;
    bool intAnchor = false;  // the next anchor click raises it
    bool intPillar = true;   // the next pillar click says "Sueacron"
    std::string strCommand;

    Desktop& desktop_;
    // Timer1 runs: a command waits for its tick, and the game window for its keys.
    bool commandPending_ = false;
};

}  // namespace helmsway
