#pragma once
// Windows of other programs can vanish between two requests about them. Xlib's default answer
// to the resulting BadWindow is to end the process, so requests about foreign windows run
// under a trap that swallows the error and lets the caller see that one happened.
#include <X11/Xlib.h>

#include "support/Uncopyable.h"

namespace helmsway::x11 {

class ErrorTrap : Uncopyable {
public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();

    // Waits for the server's answer to everything sent so far; true when any of it failed.
    // Clears the record, so one trap can guard several steps.
    bool failed();

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
    int previousCount_;
};

}  // namespace helmsway::x11
