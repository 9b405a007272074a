#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "relay/GameWindow.h"

namespace helmsway {
namespace {

WindowFacts titled(std::string title) { return {std::move(title), "", "", true, false}; }

std::string unescaped(std::string text) {
    for (std::size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 1))
        text.replace(at, 2, text[at + 1] == 't' ? "\t" : text[at + 1] == 'n' ? "\n" : "\\");
    return text;
}

// Every window of game-windows.txt: the clients' titles, programs and classes as players have
// them, and what is named after the game without being it.
TEST(GameWindow, TheClientsCountByTitleProgramAndClassAndTheirDecoysDoNot) {
    std::ifstream reference(HELMSWAY_GAME_WINDOWS);
    ASSERT_TRUE(reference) << HELMSWAY_GAME_WINDOWS;
    int windows = 0;
    for (std::string line; std::getline(reference, line);) {
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const auto tab = line.find('\t', start);
            fields.push_back(unescaped(line.substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        fields.resize(4);
        const WindowFacts window{fields[1], fields[2], fields[3], true, false};
        EXPECT_EQ(isGameWindow(window), fields[0] == "game") << line;
        ++windows;
    }
    EXPECT_GT(windows, 100);
}

TEST(GameWindow, TheTopmostGameWindowWinsWhateverItsKind) {
    const WindowFacts helm{"Ultima Online", "helmsway", "helmsway", true, true};
    const WindowFacts helmsDialog{"Ultima Online", "", "", true, false, true};
    const WindowFacts hidden{"Ultima Online", "", "", false, false};
    const WindowFacts guide = titled("Ultima Online - Boats guide - Firefox");
    const WindowFacts folder{"Ultima Online", "org.gnome.Nautilus", "nautilus", true, false};
    const WindowFacts classic = titled("Ultima Online");
    const WindowFacts classicIn = titled("Ultima Online - Sam (Atlantic)");
    const WindowFacts open = titled("ClassicUO - 1.1.0.0");
    const WindowFacts openIn = titled("Sam - ClassicUO [dev] - 1.1.0.0");
    const std::pair<std::vector<WindowFacts>, std::optional<std::size_t>> cases[] = {
        {{}, std::nullopt},
        {{titled("Terminal"), helm, helmsDialog, hidden, guide, folder}, std::nullopt},
        {{classicIn, classic}, 0},
        {{classic, classicIn}, 0},
        {{openIn, classic}, 0},
        {{open, classicIn}, 0},
        {{helm, hidden, guide, folder, titled("ClassicUO Launcher"), open, classic}, 5},
        {{helm, folder, classicIn}, 2},
    };
    for (const auto& [topmostFirst, chosen] : cases)
        EXPECT_EQ(chooseGameWindow(topmostFirst), chosen);
}

}  // namespace
}  // namespace helmsway
