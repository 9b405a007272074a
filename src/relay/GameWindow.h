#pragma once
// Which top-level window is the game's, by what stays of each client (GameClients.h) under the
// setups players run. A window of a client's program or class is that client's, and counts
// when its title has one of the client's shapes, or whatever its title where an assistant
// rewrites it. Where the program is unknown (a renamed or wrapped client, a process on another
// machine) the title decides; its shapes are strict enough that a browser tab, a launcher or a
// document named after the game does not fit. A window of a browser, file manager, editor,
// chat program or assistant never counts, whatever its title.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace helmsway {

// What a shell knows of one top-level window; empty texts are unknown.
struct WindowFacts {
    std::string title;        // UTF-8
    std::string windowClass;  // X11: the class of WM_CLASS; Windows: the window class's name
    std::string program;      // the program's file name, without its folder
    bool visible = false;     // shown or minimized: a window the user can bring back
    // How the window is tied to Helmsway, as far as the system tells.
    bool ofThisProcess = false;  // its process is Helmsway's
    bool ofTheHelm = false;      // the helm's window, or one it owns (a dialog)
};

// Helmsway's own windows never count, whatever their title: the helm's window, the windows it
// owns and every window of its process.
bool isOurs(const WindowFacts& window);

bool isGameWindow(const WindowFacts& window);

// Among the top-level windows, listed topmost first: the topmost game window, whichever client
// it belongs to and whether or not the player has logged in there. That is the client the
// player used last, which is the one a click on the helm means.
std::optional<std::size_t> chooseGameWindow(std::span<const WindowFacts> topmostFirst);

// The same over a desktop's own list of windows, each carrying its WindowFacts as `facts`;
// null when none is the game's.
template <typename Listed>
const Listed* chooseGameWindowAmong(const std::vector<Listed>& topmostFirst) {
    std::vector<WindowFacts> facts;
    facts.reserve(topmostFirst.size());
    for (const Listed& window : topmostFirst) facts.push_back(window.facts);
    const auto chosen = chooseGameWindow(facts);
    return chosen ? &topmostFirst[*chosen] : nullptr;
}

}  // namespace helmsway
