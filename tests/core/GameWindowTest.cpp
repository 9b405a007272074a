#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "relay/GameWindow.h"

namespace helmsway {
namespace {

WindowFacts titled(std::string title) { return {std::move(title), "", "", true, false}; }

TEST(GameWindow, TitlesOfTheClientsCountAndTheirDecoysDoNot) {
    // The classic client, ClassicUO and TazUO, before and after login, release and development
    // builds, with title-bar stats and an assistant plugin's words.
    for (const char* title :
         {"Ultima Online", "Ultima Online - Sam (Atlantic)",
          "Ultima Online - Lord Blackthorn (Great Lakes)", "Ultima Online - J\xc3\xb6rg (Europa)",
          "ClassicUO - 1.1.0.0", "ClassicUO - 0.1.11.276", "Sam - ClassicUO - 1.1.0.0",
          "ClassicUO [dev] - 1.1.0.0", "Sam - ClassicUO [dev] - 1.1.0.0",
          "Lord Blackthorn - ClassicUO - 1.1.0.0",
          "Sam - HP 85/100, MP 42/50, SP 95/100 - ClassicUO - 1.1.0.0",
          "Sam | HP 50/60 - ClassicUO - 1.1.0.0", "Sam (Razor CE) - ClassicUO [dev] - 1.1.0.0",
          "[TazUO - 5.25.0]", "Sam - [TazUO - 5.25.0]", "TazUO [dev] - 5.25.0",
          "Sam - TazUO [dev] - 5.25.0", "Sam - HP 85/100 - [TazUO - 5.25.0]", "TazUO - 3.27.0.0",
          "[TazUO 3.27.0.0]", "Sam - [TazUO 3.27.0.0]"})
        EXPECT_TRUE(isGameWindow(titled(title))) << title;
    // Browsers, documents, launchers and chat named after the game, and near misses of each
    // client's shapes.
    const std::vector<std::vector<const char*>> others{
        {"Ultima Online - Boats guide - Firefox", "Ultima Online - Boats guide - Mozilla Firefox",
         "Ultima Online - Sam (Atlantic) - Google Chrome", "Ultima Online.txt - Notepad",
         "Ultima Online - Boats guide - Chapter (2) - Chromium", "Ultima Online Launcher",
         "*Ultima Online - boats.txt - gedit", "ClassicUO Launcher", "ClassicUO Launcher - 1.1.0.0",
         "#boats | Ultima Online - Discord", "ClassicUO - 1.1.0.0 - GitHub - Mozilla Firefox",
         "Sam - [TazUO - 5.25.0] - YouTube \xe2\x80\x94 Mozilla Firefox", "TazUO Launcher",
         "Sam - HP 85/100 - ClassicUO - 1.1.0.0 - Discord", "UO - Sam (Atlantic)"},
        {"[TazUO - 5.25.0] beta", "[TazUO - 5.25.0", "TazUO - 3.27.0.0 beta", "[tazuo - 5.25.0]",
         "[TazUO 3.27.0.0", "[TazUO  3.27.0.0]", "Sam - [TazUO 3.27.0.0] - YouTube",
         " - [TazUO - 5.25.0]", "Sam - [TazUO - v5.25.0]", "Sam\t- [TazUO - 5.25.0]",
         "TazUO [dev] - 5.25.0]"},
        {"ClassicUO - 1.1.0.0 beta", "ClassicUO - v1.1.0.0", "ClassicUO - 1", "ClassicUO - 1..0",
         "ClassicUO - 1.1.", "ClassicUO -1.1.0.0", "classicuo - 1.1.0.0", "MyClassicUO - 1.1.0.0",
         "ClassicUO [Dev] - 1.1.0.0", " - ClassicUO - 1.1.0.0", "Sam  - ClassicUO - 1.1.0.0"},
        {"ultima online", "Ultima Online ", " Ultima Online", "Ultima Online -", "Ultima Online - ",
         "Ultima Online -Sam (Atlantic)", "Ultima Online - Sam", "Ultima Online - Sam ()",
         "Ultima Online - (Atlantic)", "Ultima Online - Sam(Atlantic)", "",
         "Ultima Online - Sam (Atlantic) ", "Ultima Online - Sam (Atl (antic))",
         "Ultima Online - Sam\n (Atlantic)"},
    };
    for (const auto& group : others)
        for (const char* title : group) EXPECT_FALSE(isGameWindow(titled(title))) << title;
}

TEST(GameWindow, TheProgramAndTheClassTellTheClientWhereTheSystemKnowsThem) {
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
        {"Ultima Online", "CabinetWClass", "", false},
        {"Ultima Online", "", "EXPLORER.EXE", false},
        {"Ultima Online", "", "pidgin", false},
        {"Ultima Online - Boats guide (part 2)", "Epiphany", "epiphany", false},
        {"Sam - [TazUO - 5.25.0]", "kitty", "kitty", false},
        {"ClassicUO - 1.1.0.0", "Gnome-terminal", "gnome-terminal-server", false},
        {"ClassicUO - 1.1.0.0", "Thunar", "thunar", false},
        // One client's program titled like the other.
        {"Ultima Online", "", "ClassicUO.exe", false},
        {"Ultima Online - Sam (Atlantic)", "ClassicUO.bin.x86_64", "ClassicUO.bin.x86_64", false},
        // The clients as they run, renamed or wrapped.
        {"Sam - ClassicUO - 1.1.0.0", "ClassicUO.bin.x86_64", "ClassicUO.bin.x86_64", true},
        {"ClassicUO - 1.1.0.0", "SDL_app", "ClassicUO.exe", true},
        {"ClassicUO - 1.1.0.0", "", "classicuo", true},
        {"ClassicUO [dev] - 1.1.0.0", "cuo-mine", "cuo-mine", true},
        {"Ultima Online - Sam (Atlantic)", "client.exe", "wine64-preloader", true},
        // A known program with a title that fits no client is nothing either way.
        {"Terminal", "", "ClassicUO", false},
        // The classic client under an assistant that rewrites its title: its program, and on
        // Windows its class, tell it; under Wine on X11 the class is the program's name.
        {"UO - Sam (Atlantic)", "client.exe", "client.exe", true},
        {"Sam - 85/100 HP", "Ultima Online", "client.exe", true},
        {"Sam", "Ultima Online Third Dawn", "CLIENT.EXE", true},
        {"Sam - 85/100 HP", "uotd.exe", "UOTD.exe", true},
        {"UO - Sam (Atlantic)", "Ultima Online", "", true},
        {"Sam", "", "UOSA.exe", true},
        // The client's other windows: a message box, an assistant's window inside its process.
        {"Ultima Online", "#32770", "client.exe", false},
        {"UOSteam - Sam (Atlantic)", "WindowsForms10.Window.8.app.0.2bf8098_r6_ad1", "client.exe",
         false},
        // The assistants' own windows, which carry the character's name too.
        {"Razor v1.9 - Sam (Atlantic)", "WindowsForms10.Window.8.app.0.2bf8098_r6_ad1", "Razor.exe",
         false},
        {"Ultima Online - Sam (Atlantic)", "", "RazorEnhanced.exe", false},
        // TazUO by its program, and titled like another client.
        {"Sam - [TazUO - 5.25.0]", "TazUO", "TazUO", true},
        {"[TazUO - 5.25.0]", "SDL_app", "TazUO.exe", true},
        {"Sam - ClassicUO - 1.1.0.0", "TazUO", "TazUO", false},
        {"[TazUO - 5.25.0]", "", "TazUO.exe", true},
        // ClassicUO since its .NET 8 port, and TazUO's older releases, which run as ClassicUO.
        {"Sam - ClassicUO - 1.1.0.0", "cuo", "cuo", true},
        {"ClassicUO - 1.1.0.0", "", "cuo.exe", true},
        {"Sam - [TazUO 3.27.0.0]", "ClassicUO", "ClassicUO", true},
        {"TazUO - 3.27.0.0", "", "ClassicUO.exe", true},
        {"Ultima Online - Sam (Atlantic)", "cuo", "cuo", false},
        {"Sam - [TazUO 3.27.0.0]", "cuo", "cuo", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isGameWindow({c.title, c.windowClass, c.program, true, false}), c.game)
            << c.title << " / " << c.windowClass << " / " << c.program;
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
