// helmsway-places: where each control of the main window sits, in pixels from the top-left
// corner of the area below the menu bar, at the given dots per inch (96 by default). Lets the
// programs that drive Helmsway from outside (tests, demo, screenshots, benchmarks) click a
// control by its name, reading the same table the shells are built from.
// Prints "<name> <index> <left> <top> <width> <height>" per control (index -1 for a single
// one), then "panel <width> <simple height> <advanced height>", then "menu <name> <right>
// <down>" per menu title and item: the keys that reach it once the bar's first menu is open
// with its first item chosen, Right to its menu and Down to the item (-1 for the title itself;
// the keys skip separators, so they count for nothing).
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
    int right = -1;
    int down = 0;
    for (const MenuLayout& item : mainWindowMenus()) {
        if (item.isSeparator()) continue;
        if (item.isTitle()) {
            ++right;
            down = -1;
        }
        std::printf("menu %s %d %d\n", std::string(menuName(item.name)).c_str(), right, down++);
    }
    return 0;
}
