// Prints where the main window's controls are in pixels, relative to the client area below
// the menu bar, at the given DPI: "<name><index>\t<x>\t<y>\t<width>\t<height>" per control.
// The end-to-end tests click at these places, so they follow the core's table, not a copy.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/MainWindowLayout.h"

int main(int argc, char** argv) {
    using namespace helmsway;
    const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
    for (const ControlLayout& control : mainWindowControls()) {
        const TwipsRect place = absolutePlace(control);
        std::string name(controlName(control.name));
        if (control.index != kNoIndex) name += std::to_string(control.index);
        std::printf("%s\t%d\t%d\t%d\t%d\n", name.c_str(), twipsToPixels(place.left, dpi),
                    twipsToPixels(place.top, dpi), twipsToPixels(place.width, dpi),
                    twipsToPixels(place.height, dpi));
    }
    std::printf("panel:simple\t%d\npanel:advanced\t%d\n",
                twipsToPixels(kSimpleHeightTwips - kNonClientTwips, dpi),
                twipsToPixels(kAdvancedHeightTwips - kNonClientTwips, dpi));
    return 0;
}
