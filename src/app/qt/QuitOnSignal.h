#pragma once
// SIGTERM and SIGINT (a session ending, kill, Ctrl+C in a terminal) end the program the way its
// close box does, so the keyboard map is given back and a pending command is never typed.

namespace helmsway::qt {

// Call once, after the application object exists.
void quitOnTerminationSignals();

}  // namespace helmsway::qt
