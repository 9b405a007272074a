#include "relay/GameWindow.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "relay/GameClients.h"

namespace helmsway {
namespace {

// Anything the player may put before a fork's title: no control characters, no blank at
// either end.
bool isPrefix(std::string_view prefix) {
    return !prefix.empty() && prefix.front() != ' ' && prefix.back() != ' ' &&
           std::none_of(prefix.begin(), prefix.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// A character's or a shard's name as a title shows it: without parentheses or dashes between
// blanks, so "Boats guide - Firefox" is no character's name.
bool isName(std::string_view name) {
    return isPrefix(name) && name.find_first_of("()") == std::string_view::npos &&
           name.find(" - ") == std::string_view::npos;
}

// Digits and dots, at least two numbers, as in "1.1.0.0".
bool isVersion(std::string_view version) {
    if (version.empty() || version.front() == '.' || version.back() == '.' ||
        version.find("..") != std::string_view::npos || version.find('.') == std::string_view::npos)
        return false;
    return std::all_of(version.begin(), version.end(),
                       [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

bool isValue(std::string_view placeholder, std::string_view value) {
    if (placeholder == "{version}") return isVersion(value);
    if (placeholder == "{prefix}") return isPrefix(value);
    return isName(value);
}

// Whether the title has the pattern's shape: its text as it stands, each placeholder
// standing for one value of its kind.
bool fits(std::string_view pattern, std::string_view title) {
    const auto open = pattern.find('{');
    if (open == std::string_view::npos) return pattern == title;
    if (title.substr(0, open) != pattern.substr(0, open)) return false;
    pattern.remove_prefix(open);
    title.remove_prefix(open);
    const auto close = pattern.find('}') + 1;
    const std::string_view placeholder = pattern.substr(0, close);
    const std::string_view after = pattern.substr(close);
    // The placeholder's value ends where the text after it starts; try each such place.
    const std::string_view literal = after.substr(0, after.find('{'));
    if (literal.empty()) return after.empty() && isValue(placeholder, title);
    for (auto end = title.find(literal); end != std::string_view::npos;
         end = title.find(literal, end + 1)) {
        if (isValue(placeholder, title.substr(0, end)) && fits(after, title.substr(end)))
            return true;
    }
    return false;
}

// "ClassicUO.exe" and "ClassicUO" are one program; Windows file names ignore case.
std::string nameKey(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (key.ends_with(".exe")) key.resize(key.size() - 4);
    return key;
}

bool names(std::span<const std::string_view> list, std::string_view name) {
    if (name.empty()) return false;
    const std::string key = nameKey(name);
    return std::any_of(list.begin(), list.end(),
                       [&](std::string_view listed) { return nameKey(listed) == key; });
}

bool hasTitleOf(const GameClient& client, std::string_view title) {
    return std::any_of(client.titles.begin(), client.titles.end(),
                       [&](std::string_view pattern) { return fits(pattern, title); });
}

// What the window's program and class say of it, for one client.
enum class Claim {
    none,        // nothing: neither is the client's
    window,      // a window of the client
    otherWindow  // a window of the client's process that is not its game window
};

Claim claimOf(const GameClient& client, const WindowFacts& window) {
    const bool byClass = names(client.classes, window.windowClass);
    // X11 classes a Wine or SDL window after its program.
    const bool byProgram =
        names(client.programs, window.program) || names(client.programs, window.windowClass);
    if (!byClass && !byProgram) return Claim::none;
    // Where the client's own class is known, the client's other windows (a message box, an
    // assistant's window inside its process) have another class.
    if (!byClass && !client.classes.empty() && !window.windowClass.empty() &&
        !names(client.programs, window.windowClass))
        return Claim::otherWindow;
    return Claim::window;
}

}  // namespace

bool isOurs(const WindowFacts& window) { return window.ofThisProcess || window.ofTheHelm; }

bool isGameWindow(const WindowFacts& window) {
    if (isOurs(window) || !window.visible) return false;
    if (names(neverTheGame(), window.program) || names(neverTheGame(), window.windowClass))
        return false;
    // A program may be more than one client's (TazUO's older releases run as ClassicUO): its
    // window counts when it fits any of them, and nothing else decides it then.
    bool claimed = false;
    for (const GameClient& client : gameClients()) {
        switch (claimOf(client, window)) {
        case Claim::window:
            if (client.anyTitle || hasTitleOf(client, window.title)) return true;
            claimed = true;
            break;
        case Claim::otherWindow: claimed = true; break;
        case Claim::none: break;
        }
    }
    if (claimed) return false;
    // A program the system does not tell, or one we do not know (a renamed client, Wine's or
    // Mono's loader): the title decides.
    const auto clients = gameClients();
    return std::any_of(clients.begin(), clients.end(),
                       [&](const GameClient& client) { return hasTitleOf(client, window.title); });
}

std::optional<std::size_t> chooseGameWindow(std::span<const WindowFacts> topmostFirst) {
    const auto found = std::find_if(topmostFirst.begin(), topmostFirst.end(), isGameWindow);
    if (found == topmostFirst.end()) return std::nullopt;
    return static_cast<std::size_t>(found - topmostFirst.begin());
}

}  // namespace helmsway
