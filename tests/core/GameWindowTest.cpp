#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "relay/GameWindow.h"

namespace helmsway {
namespace {

TEST(GameWindow, ExactTitleFirstThenTheTopmostLoggedInClient) {
    struct Case {
        std::vector<std::string> titles;  // topmost first
        std::optional<std::size_t> chosen;
    };
    const std::vector<Case> cases{
        {{}, std::nullopt},
        {{"Helmsway", "Terminal"}, std::nullopt},
        {{"Ultima Online"}, 0},
        {{"Helmsway", "Ultima Online"}, 1},
        {{"Ultima Online - Sam (Atlantic)", "Ultima Online"}, 1},
        {{"Ultima Online - Sam (Atlantic)", "Ultima Online - Bo (Europa)"}, 0},
        {{"Ultima Online Launcher", "ultima online", "Ultima Online ", " Ultima Online",
          "Ultima Online -"},
         std::nullopt},
        {{"Ultima Online Launcher", "Ultima Online - Bo (Europa)"}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(chooseGameWindow(c.titles), c.chosen);
}

}  // namespace
}  // namespace helmsway
