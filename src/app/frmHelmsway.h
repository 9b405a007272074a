#pragma once
// The main window's behaviour: the helm state and every handler, named as the controls they
// serve. The handlers are defined beside the subsystem they belong to (helm/, navigation/),
// the relay step, the tick and the menus here in app/; a shell forwards events through
// click(), menuClick(), Timer1_Timer(), Form_Activate() and Form_Unload().
#include <cstdint>
#include <string>
#include <string_view>

#include "layout/Controls.h"
#include "app/Desktop.h"

namespace helmsway {

class frmHelmsway {
public:
    explicit frmHelmsway(Desktop& desktop) : desktop_(desktop) {}

    // Helm state. Its start values are set by Form_Load, not here, so a window that was
    // never loaded is visibly unlike a started one in the tests.
    std::int16_t intSpeed = 0;
    std::int16_t intAnchor = 0;
    std::int16_t intPillar = 0;
    std::int16_t intFacing = 0;
    std::string strCommand;

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
    // Shows the diagonal of `facing` (1 to 4) active and the other three inactive; all four
    // inactive for 0. Stops at the first picture that fails to load.
    bool showFacingOnPad(std::int16_t facing);
    void turn(std::string_view phrase, int quarterTurnsClockwise);
    void navigate(std::string_view phrase);
    void relayToggle(std::int16_t& flag, std::string_view whenSet, std::string_view whenClear);

    Desktop& desktop_;
    // Timer1 runs: a command waits for its tick, and the game window for its keys.
    bool commandPending_ = false;
};

}  // namespace helmsway
