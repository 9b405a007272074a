#include "ErrorTrap.h"

namespace helmsway::x11 {
namespace {

// One thread drives the relay, so a plain counter is enough.
int errorCount = 0;

int countError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

}  // namespace

ErrorTrap::ErrorTrap(Display* display)
    : display_(display), previous_(nullptr), previousCount_(errorCount) {
    XSync(display_, False);  // errors of earlier requests belong to whoever sent them
    previous_ = XSetErrorHandler(countError);
    errorCount = 0;
}

ErrorTrap::~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
    errorCount = previousCount_;
}

bool ErrorTrap::failed() {
    XSync(display_, False);
    const bool any = errorCount != 0;
    errorCount = 0;
    return any;
}

}  // namespace helmsway::x11
