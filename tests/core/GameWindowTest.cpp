#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "relay/GameWindow.h"

namespace helmsway {
namespace {

WindowFacts titled(std::string title) { return {std::move(title), "", "", true, false}; }

TEST(GameWindow, TitlesOfTheClientsCountAndTheirDecoysDoNot) {
    const struct {
        const char* title;
        bool game;
    } cases[] = {
        // The classic client before and after login.
        {"Ultima Online", true},
        {"Ultima Online - Sam (Atlantic)", true},
        {"Ultima Online - Lord Blackthorn (Great Lakes)", true},
        {"Ultima Online - J\xc3\xb6rg (Europa)", true},
        // ClassicUO before and after login, release and development builds.
        {"ClassicUO - 1.1.0.0", true},
        {"ClassicUO - 0.1.11.276", true},
        {"Sam - ClassicUO - 1.1.0.0", true},
        {"ClassicUO [dev] - 1.1.0.0", true},
        {"Sam - ClassicUO [dev] - 1.1.0.0", true},
        {"Lord Blackthorn - ClassicUO - 1.1.0.0", true},
        // Browsers, documents, launchers, chat named after the game.
        {"Ultima Online - Boats guide - Firefox", false},
        {"Ultima Online - Boats guide - Mozilla Firefox", false},
        {"Ultima Online - Sam (Atlantic) - Google Chrome", false},
        {"Ultima Online - Boats guide - Chapter (2) - Chromium", false},
        {"Ultima Online.txt - Notepad", false},
        {"*Ultima Online - boats.txt - gedit", false},
        {"Ultima Online Launcher", false},
        {"ClassicUO Launcher", false},
        {"ClassicUO Launcher - 1.1.0.0", false},
        {"#boats | Ultima Online - Discord", false},
        {"ClassicUO - 1.1.0.0 - GitHub - Mozilla Firefox", false},
        // Near misses of the shapes.
        {"ClassicUO - 1.1.0.0 beta", false},
        {"ClassicUO - v1.1.0.0", false},
        {"ClassicUO - 1", false},
        {"ClassicUO - 1..0", false},
        {"ClassicUO - 1.1.", false},
        {"ClassicUO -1.1.0.0", false},
        {"classicuo - 1.1.0.0", false},
        {"ClassicUO [Dev] - 1.1.0.0", false},
        {" - ClassicUO - 1.1.0.0", false},
        {"Sam  - ClassicUO - 1.1.0.0", false},
        {"MyClassicUO - 1.1.0.0", false},
        {"ultima online", false},
        {"Ultima Online ", false},
        {" Ultima Online", false},
        {"Ultima Online -", false},
        {"Ultima Online - ", false},
        {"Ultima Online -Sam (Atlantic)", false},
        {"Ultima Online - Sam", false},
        {"Ultima Online - Sam ()", false},
        {"Ultima Online - (Atlantic)", false},
        {"Ultima Online - Sam(Atlantic)", false},
        {"Ultima Online - Sam (Atlantic) ", false},
        {"Ultima Online - Sam (Atl (antic))", false},
        {"Ultima Online - Sam\n (Atlantic)", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isGameWindow(titled(c.title)), c.game) << c.title;
}

TEST(GameWindow, TheProgramOverrulesAFittingTitleOnlyWhenItIsKnownToBeSomethingElse) {
    const struct {
        const char* title;
        const char* windowClass;
        const char* program;
        bool game;
    } cases[] = {
        // A file manager showing the folder, a chat group, a browser showing only the page's
        // title, by program file or window class.
        {"Ultima Online", "org.gnome.Nautilus", "nautilus", false},
        {"Ultima Online", "", "nautilus", false},
        {"Ultima Online", "org.gnome.Nautilus", "", false},
        {"Ultima Online", "CabinetWClass", "explorer.exe", false},
        {"Ultima Online", "CabinetWClass", "", false},
        {"Ultima Online", "", "EXPLORER.EXE", false},
        {"Ultima Online", "", "pidgin", false},
        {"Ultima Online - Boats guide (part 2)", "Epiphany", "epiphany", false},
        {"ClassicUO - 1.1.0.0", "Thunar", "thunar", false},
        // One client's program titled like the other.
        {"Ultima Online", "", "ClassicUO.exe", false},
        {"Ultima Online - Sam (Atlantic)", "ClassicUO.bin.x86_64", "ClassicUO.bin.x86_64", false},
        // The clients as they run, renamed or wrapped.
        {"Sam - ClassicUO - 1.1.0.0", "ClassicUO.bin.x86_64", "ClassicUO.bin.x86_64", true},
        {"ClassicUO - 1.1.0.0", "SDL_app", "ClassicUO.exe", true},
        {"ClassicUO - 1.1.0.0", "", "classicuo", true},
        {"ClassicUO - 1.1.0.0", "mono-sgen", "mono-sgen", true},
        {"ClassicUO [dev] - 1.1.0.0", "cuo-mine", "cuo-mine", true},
        {"Ultima Online - Sam (Atlantic)", "client.exe", "wine64-preloader", true},
        {"Ultima Online", "uo-renamed.exe", "wine-preloader", true},
        {"Ultima Online", "UltimaOnline", "client.exe", true},
        // A known program with a title that fits no client is nothing either way.
        {"Terminal", "", "ClassicUO", false},
    };
    for (const auto& c : cases) {
        const WindowFacts window{c.title, c.windowClass, c.program, true, false};
        EXPECT_EQ(isGameWindow(window), c.game)
            << c.title << " / " << c.windowClass << " / " << c.program;
    }
}

TEST(GameWindow, TheTopmostGameWindowWinsWhateverItsKind) {
    const WindowFacts helm{"Ultima Online", "helmsway", "helmsway", true, true};
    const WindowFacts hidden{"Ultima Online", "", "", false, false};
    const WindowFacts guide{"Ultima Online - Boats guide - Firefox", "firefox", "firefox", true,
                            false};
    const WindowFacts folder{"Ultima Online", "org.gnome.Nautilus", "nautilus", true, false};
    const WindowFacts classic = titled("Ultima Online");
    const WindowFacts classicIn = titled("Ultima Online - Sam (Atlantic)");
    const WindowFacts open = titled("ClassicUO - 1.1.0.0");
    const WindowFacts openIn = titled("Sam - ClassicUO [dev] - 1.1.0.0");
    const struct {
        std::vector<WindowFacts> topmostFirst;
        std::optional<std::size_t> chosen;
    } cases[] = {
        {{}, std::nullopt},
        {{titled("Terminal"), helm, hidden, guide, folder}, std::nullopt},
        {{classicIn, classic}, 0},
        {{classic, classicIn}, 0},
        {{openIn, classic}, 0},
        {{open, classicIn}, 0},
        {{classicIn, openIn, open}, 0},
        {{helm, hidden, guide, folder, titled("ClassicUO Launcher"), open, classic}, 5},
        {{helm, folder, classicIn}, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(chooseGameWindow(c.topmostFirst), c.chosen);
}

}  // namespace
}  // namespace helmsway
