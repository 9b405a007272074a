#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "about/AboutLayout.h"
#include "app/MainWindowLayout.h"

namespace helmsway::testing {
namespace {

// Shells and their tests find widgets by these names, so a misspelling would only show as a
// control that cannot be found; the odd spellings of the layout are kept on purpose.
TEST(ControlNames, AreSpelledAsLaidOut) {
    EXPECT_EQ(controlName(Control::cmdTurnRght), "cmdTurnRght");
    EXPECT_EQ(controlName(Control::cmdTurnArnd), "cmdTurnArnd");
    EXPECT_EQ(controlName(Control::BlueGem), "BlueGem");
    EXPECT_EQ(controlName(Control::Line1), "Line1");
    EXPECT_EQ(menuName(Menu::mnuspace2), "mnuspace2");
    EXPECT_EQ(menuName(Menu::mnuSpace5), "mnuSpace5");
    EXPECT_EQ(menuName(Menu::mnuAdvanced), "mnuAdvanced");
}

TEST(ControlNames, TellEveryControlAndMenuItemApart) {
    std::set<std::string_view> controls;
    for (const auto table : {mainWindowControls(), aboutWindowControls()})
        for (const ControlLayout& control : table) controls.insert(controlName(control.name));
    EXPECT_EQ(controls.size(), 14u + 9u);  // the names, not the array elements
    EXPECT_FALSE(controls.contains(""));

    std::set<std::string_view> menus;
    for (const MenuLayout& item : mainWindowMenus()) menus.insert(menuName(item.name));
    EXPECT_EQ(menus.size(), mainWindowMenus().size());
    EXPECT_FALSE(menus.contains(""));
}

}  // namespace
}  // namespace helmsway::testing
