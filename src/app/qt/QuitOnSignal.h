#pragma once
// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C, a session or terminal ending) end the program the
// way its close box does, so the keyboard map is given back and a pending command is never
// typed.

namespace helmsway::qt {

// Call once, after the application object exists.
void quitOnTerminationSignals();

}  // namespace helmsway::qt
