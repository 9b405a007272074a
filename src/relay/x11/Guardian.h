#pragma once
// The keys borrowed for a run must be given back however the run ends, and a process killed
// outright (SIGKILL, a crash) runs none of its own code. So a small process of its own, the
// guardian, is forked at launch: it holds the only reading end of a pipe whose writing end
// only Helmsway holds, and when that end closes (Helmsway has ended, whatever way) it gives
// back the keys Helmsway's record on the display still lists, on an X connection of its own.
//
// It runs no Qt and says nothing; it ends once it has done that, or when the X server goes.
// It has a session of its own, so Ctrl+C or Ctrl+\ in the terminal reach Helmsway only.

namespace helmsway::x11 {

// Call once, before any thread is started (the guardian is a fork of the process as it is
// then), and only where an X11 display exists.
void guardBorrowedKeys();

}  // namespace helmsway::x11
