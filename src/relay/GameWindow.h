#pragma once
// Which top-level window is the game's. Players run one of a few clients, each known by the
// shape of the titles it gives its window (the table in GameWindow.cpp, one row per client).
// The shape is strict enough that a browser tab, a launcher or a document named after the game
// does not fit. What the system tells about the window's program is a second guard where it is
// known: a window of a browser, file manager, editor or chat program never counts, whatever
// its title, and neither does a window of one client titled like another. An unknown program
// name (a renamed or wrapped client) leaves the decision to the title.
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace helmsway {

// What a shell knows of one top-level window; empty texts are unknown.
struct WindowFacts {
    std::string title;        // UTF-8
    std::string windowClass;  // X11: the class of WM_CLASS; Windows: the window class's name
    std::string program;      // the program's file name, without its folder
    bool visible = false;     // shown or minimized: a window the user can bring back
    bool ours = false;        // one of Helmsway's own windows
};

bool isGameWindow(const WindowFacts& window);

// Among the top-level windows, listed topmost first: the topmost game window, whichever client
// it belongs to and whether or not the player has logged in there. That is the client the
// player used last, which is the one a click on the helm means.
std::optional<std::size_t> chooseGameWindow(std::span<const WindowFacts> topmostFirst);

}  // namespace helmsway
