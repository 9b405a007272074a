#pragma once
// Which top-level window is the game's. The client titles itself "Ultima Online" before login
// and "Ultima Online - <character> (<shard>)" after it; both count. A window whose title only
// starts with the words ("Ultima Online Launcher") does not.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace helmsway {

inline constexpr std::string_view kGameWindowTitle = "Ultima Online";

bool isGameWindowTitle(std::string_view title);

// Picks among the titles of the top-level windows, listed topmost first: the topmost window
// titled exactly "Ultima Online", else the topmost logged-in client. That is the client the
// player used last, which is the one a click on the helm means.
std::optional<std::size_t> chooseGameWindow(std::span<const std::string> titlesTopmostFirst);

}  // namespace helmsway
