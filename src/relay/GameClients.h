#pragma once
// The game clients players run, one row each, with what stays of each under the setups players
// really have: the shapes of the titles it gives its window, its program files and its window
// classes. The next fork of a client is one more row. Which of these tells a window apart, and
// how, is the rule in GameWindow.cpp.
#include <span>
#include <string_view>

namespace helmsway {

struct GameClient {
    std::string_view name;
    // Placeholders: {character} and {shard}, a name without parentheses or " - "; {version},
    // digits and dots; {prefix}, any text (the character's name followed by the stats or an
    // assistant plugin's words that the player has put on the title bar).
    std::span<const std::string_view> titles;
    // Program file names, compared without case and without ".exe". On X11, Wine and SDL class
    // a window after its program, so a window class is compared with these too.
    std::span<const std::string_view> programs;
    // Win32 window classes that only this client registers.
    std::span<const std::string_view> classes;
    // The title may be anything: an assistant (Razor, Razor Enhanced, UOSteam) writes the
    // classic client's title bar from the player's template. The program or the class alone
    // tells the window then.
    bool anyTitle = false;
};

std::span<const GameClient> gameClients();

// Programs (and window classes) whose windows may well be titled after the game but never are
// it: browsers, file managers, editors and viewers, chat, and the assistants' own windows.
// Lower case, without ".exe".
std::span<const std::string_view> neverTheGame();

}  // namespace helmsway
