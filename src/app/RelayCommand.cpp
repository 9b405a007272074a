// The command relay: one pending keystroke text, typed by Timer1's tick 300 ms after the
// click so that the game window has become active by then. Both are the main window's own
// steps on its field strCommand, so they live with it; relay/ holds the rules they use (the
// keystroke notation, which window is the game's) and may never include the window back.
#include "app/frmHelmsway.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway {

// Every command reaches the game as its phrase and two Enters: the stored text is a whole
// line, the phrase and the Enter that sends it, and the tick adds a second. The game sends a
// line of speech on Enter and ignores an empty one, so the second Enter says nothing; it only
// makes sure the line is ended.
bool frmHelmsway::RelayCommand(std::string_view phrase) {
    strCommand = std::string(phrase) + "{ENTER}";
    commandPending_ = true;
    desktop_.setTimerEnabled(true);
    return desktop_.activateGameWindow();
}

void frmHelmsway::Timer1_Timer() {
    // A text the notation rejects is dropped whole: half a command typed into the game is
    // worse than none. strCommand stays as it is either way.
    if (const auto keys = parseKeystrokeText(strCommand + "{ENTER}")) desktop_.sendKeys(*keys);
    desktop_.setTimerEnabled(false);
    commandPending_ = false;
}

// The game keeps the front while a command waits. A window of ours that closes (the Ship Name
// prompt, About) hands the activation back to the main window, and a window manager may do so
// late, after the command that followed has brought the game forward: the keys would then
// land here. So an activation that is not the user's click on the helm sends the game to the
// front again; a click is the user choosing the helm, and is left alone.
void frmHelmsway::Form_Activate(bool byClick) {
    if (commandPending_ && !byClick) desktop_.activateGameWindow();
}

// A command still pending when the window goes is never typed: its keys would land in
// whatever window is active once the helm is gone.
void frmHelmsway::Form_Unload() {
    desktop_.setTimerEnabled(false);
    commandPending_ = false;
}

}  // namespace helmsway
