#include "relay/GameWindow.h"

#include <algorithm>
#include <string_view>

namespace helmsway {
namespace {

// A character's or a shard's name as a title shows it: something, without parentheses, dashes
// between blanks, control characters or blanks at either end, so "Boats guide - Firefox" is no
// character's name.
bool isName(std::string_view name) {
    return !name.empty() && name.front() != ' ' && name.back() != ' ' &&
           name.find_first_of("()") == std::string_view::npos &&
           name.find(" - ") == std::string_view::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
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
    return placeholder == "{version}" ? isVersion(value) : isName(value);
}

// Whether the title has the pattern's shape: its text as it stands, each placeholder
// ({character}, {shard}, {version}) standing for one value of its kind.
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

struct GameClient {
    std::span<const std::string_view> titles;
    std::span<const std::string_view> programs;  // its program files, where they are known
};

// The classic client, before and after login. It runs as whatever its installer named it, on
// Linux under Wine, so only its titles tell it.
constexpr std::string_view kClassicTitles[] = {"Ultima Online",
                                               "Ultima Online - {character} ({shard})"};
// ClassicUO before and after login, release and development builds.
constexpr std::string_view kClassicUoTitles[] = {
    "ClassicUO - {version}", "{character} - ClassicUO - {version}", "ClassicUO [dev] - {version}",
    "{character} - ClassicUO [dev] - {version}"};
constexpr std::string_view kClassicUoPrograms[] = {"ClassicUO", "ClassicUO.bin.x86_64",
                                                   "ClassicUO.exe"};

// The game clients, one row each.
constexpr GameClient kClients[] = {
    {kClassicTitles, {}},
    {kClassicUoTitles, kClassicUoPrograms},
};

// Programs whose windows may well be titled after the game but never are it: browsers, file
// managers (a folder "Ultima Online" is titled exactly so), editors and viewers, chat. Program
// file names and window classes alike, lower case, without ".exe".
// clang-format off
constexpr std::string_view kNeverTheGame[] = {
    // browsers
    "firefox", "firefox-esr", "mozillawindowclass", "chromium", "chrome",
    "google-chrome", "chrome_widgetwin_1", "msedge", "microsoft-edge", "brave", "brave-browser",
    "opera", "vivaldi", "epiphany", "org.gnome.epiphany", "konqueror", "falkon", "iexplore",
    // file managers
    "explorer", "cabinetwclass", "nautilus", "org.gnome.nautilus", "dolphin", "thunar", "nemo",
    "caja", "pcmanfm", "pcmanfm-qt", "krusader", "doublecmd",
    // editors and viewers
    "notepad", "notepad++", "wordpad", "winword", "soffice", "soffice.bin", "libreoffice",
    "gedit", "org.gnome.gedit", "gnome-text-editor", "org.gnome.texteditor", "kate", "kwrite",
    "mousepad", "pluma", "xed", "code", "evince", "org.gnome.evince", "okular", "atril",
    "acrord32",
    // chat
    "discord", "telegram", "telegram-desktop", "hexchat", "pidgin", "element-desktop",
    "signal-desktop", "slack", "teams", "skype",
};
// clang-format on

// "ClassicUO.exe" and "ClassicUO" are one program; Windows file names ignore case.
std::string programKey(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (key.ends_with(".exe")) key.resize(key.size() - 4);
    return key;
}

bool hasTitleOf(const GameClient& client, std::string_view title) {
    return std::any_of(client.titles.begin(), client.titles.end(),
                       [&](std::string_view pattern) { return fits(pattern, title); });
}

// The program is known, and known to be something else than a client whose titles fit.
bool isSomethingElse(std::string_view program, std::string_view title) {
    const std::string key = programKey(program);
    if (key.empty()) return false;
    if (std::find(std::begin(kNeverTheGame), std::end(kNeverTheGame), key) !=
        std::end(kNeverTheGame))
        return true;
    return std::any_of(std::begin(kClients), std::end(kClients), [&](const GameClient& client) {
        return !hasTitleOf(client, title) &&
               std::any_of(client.programs.begin(), client.programs.end(),
                           [&](std::string_view own) { return programKey(own) == key; });
    });
}

}  // namespace

bool isGameWindow(const WindowFacts& window) {
    if (window.ours || !window.visible) return false;
    return std::any_of(
               std::begin(kClients), std::end(kClients),
               [&](const GameClient& client) { return hasTitleOf(client, window.title); }) &&
           !isSomethingElse(window.program, window.title) &&
           !isSomethingElse(window.windowClass, window.title);
}

std::optional<std::size_t> chooseGameWindow(std::span<const WindowFacts> topmostFirst) {
    const auto found = std::find_if(topmostFirst.begin(), topmostFirst.end(), isGameWindow);
    if (found == topmostFirst.end()) return std::nullopt;
    return static_cast<std::size_t>(found - topmostFirst.begin());
}

}  // namespace helmsway
