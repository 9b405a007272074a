#pragma once
// What Linux tells of a process, for telling a window's program and whose a record is.
#include <string>

#include "relay/GameWindow.h"

namespace helmsway::linux_process {

// This machine's name: a process id means something only on the machine it was given on.
std::string hostName();

// The file name a process was started as: the first word of its command line, which Wine sets
// to the Windows program's path, so a Windows program is known by its own name rather than by
// Wine's loader. Empty when the process is gone or hides its command line.
std::string programOfProcess(unsigned long pid);

// A window a Wayland compositor manages (so shown or minimized) as the core's rule reads it:
// its program from its process (0 when unknown), and ours when the process is this one.
WindowFacts managedWindow(std::string title, std::string windowClass, unsigned long pid);

}  // namespace helmsway::linux_process
