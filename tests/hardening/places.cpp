// helmsway-places: where each control of the main window sits, in pixels from the top-left
// corner of the area below the menu bar, at the given dots per inch (96 by default). Lets the
// tests outside the program click a control by its name, reading the same table the shells
// are built from. Prints "<name> <index> <centre x> <centre y>" per clickable control.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/MainWindowLayout.h"

int main(int argc, char** argv) {
    using namespace helmsway;
    const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
    for (const ControlLayout& control : mainWindowControls()) {
        if (control.kind != ControlKind::PictureElement && control.kind != ControlKind::PushButton)
            continue;
        const TwipsRect place = absolutePlace(control);
        const int x = twipsToPixels(place.left, dpi) + twipsToPixels(place.width, dpi) / 2;
        const int y = twipsToPixels(place.top, dpi) + twipsToPixels(place.height, dpi) / 2;
        std::printf("%s %d %d %d\n", std::string(controlName(control.name)).c_str(),
                    static_cast<int>(control.index), x, y);
    }
    std::printf("panel %d %d %d\n", twipsToPixels(kMainClientArea.width, dpi),
                twipsToPixels(kSimpleHeightTwips - kNonClientTwips, dpi),
                twipsToPixels(kAdvancedHeightTwips - kNonClientTwips, dpi));
    return 0;
}
