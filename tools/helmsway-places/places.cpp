// helmsway-places: where each control of the main window sits, in pixels from the top-left
// corner of the area below the menu bar, at the given dots per inch (96 by default). Lets the
// programs that drive Helmsway from outside (tests, demo, screenshots, benchmarks) click a
// control by its name, reading the same table the shells are built from.
// Prints "<name> <index> <left> <top> <width> <height>" per control (index -1 for a single
// one), then "panel <width> <simple height> <advanced height>".
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/MainWindowLayout.h"

int main(int argc, char** argv) {
    using namespace helmsway;
    const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
    for (const ControlLayout& control : mainWindowControls()) {
        const TwipsRect place = absolutePlace(control);
        std::printf("%s %d %d %d %d %d\n", std::string(controlName(control.name)).c_str(),
                    static_cast<int>(control.index), twipsToPixels(place.left, dpi),
                    twipsToPixels(place.top, dpi), twipsToPixels(place.width, dpi),
                    twipsToPixels(place.height, dpi));
    }
    std::printf("panel %d %d %d\n", twipsToPixels(kMainClientArea.width, dpi),
                twipsToPixels(kSimpleClientHeightTwips, dpi),
                twipsToPixels(kAdvancedClientHeightTwips, dpi));
    return 0;
}
