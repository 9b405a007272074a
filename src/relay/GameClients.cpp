#include "relay/GameClients.h"

namespace helmsway {
namespace {

// The classic client, 2D and 3D. Its logged-in title is the assistant's to write.
constexpr std::string_view kClassicTitles[] = {"Ultima Online",
                                               "Ultima Online - {character} ({shard})"};
constexpr std::string_view kClassicPrograms[] = {"client.exe", "UOTD.exe"};
constexpr std::string_view kClassicClasses[] = {"Ultima Online", "Ultima Online Third Dawn"};

// The publisher's Enhanced Client.
constexpr std::string_view kEnhancedPrograms[] = {"UOSA.exe"};

// ClassicUO and the forks that keep its title, release and development builds, with the
// character's name and whatever else the player puts on the title bar before it. Since its
// .NET 8 port the program is `cuo`; older builds ran as ClassicUO (and its Mono bundle).
constexpr std::string_view kClassicUoTitles[] = {
    "ClassicUO - {version}", "{prefix} - ClassicUO - {version}", "ClassicUO [dev] - {version}",
    "{prefix} - ClassicUO [dev] - {version}"};
constexpr std::string_view kClassicUoPrograms[] = {"cuo", "ClassicUO", "ClassicUO.bin.x86_64"};

// TazUO, a fork of ClassicUO with titles of its own. Its releases of 2023 to 2025 run under
// ClassicUO's program name, titled "TazUO - 3.27.0.0" while starting and "[TazUO 3.27.0.0]"
// after.
constexpr std::string_view kTazUoTitles[] = {
    "[TazUO - {version}]",         "{prefix} - [TazUO - {version}]",
    "TazUO [dev] - {version}",     "{prefix} - TazUO [dev] - {version}",
    "TazUO - {version}",           "[TazUO {version}]",
    "{prefix} - [TazUO {version}]"};
constexpr std::string_view kTazUoPrograms[] = {"TazUO", "ClassicUO"};

constexpr GameClient kClients[] = {
    {"the classic client", kClassicTitles, kClassicPrograms, kClassicClasses, true},
    {"the Enhanced Client", {}, kEnhancedPrograms, {}, true},
    {"ClassicUO", kClassicUoTitles, kClassicUoPrograms, {}, false},
    {"TazUO", kTazUoTitles, kTazUoPrograms, {}, false},
};

// clang-format off
constexpr std::string_view kNeverTheGame[] = {
    // browsers
    "firefox", "firefox-esr", "mozillawindowclass", "chromium", "chrome",
    "google-chrome", "chrome_widgetwin_1", "msedge", "microsoft-edge", "brave", "brave-browser",
    "opera", "vivaldi", "epiphany", "org.gnome.epiphany", "konqueror", "falkon", "iexplore",
    "librewolf", "waterfox", "floorp", "qutebrowser", "midori", "seamonkey", "palemoon",
    // file managers
    "explorer", "cabinetwclass", "nautilus", "org.gnome.nautilus", "dolphin", "thunar", "nemo",
    "caja", "pcmanfm", "pcmanfm-qt", "krusader", "doublecmd",
    // editors and viewers
    "notepad", "notepad++", "wordpad", "winword", "soffice", "soffice.bin", "libreoffice",
    "gedit", "org.gnome.gedit", "gnome-text-editor", "org.gnome.texteditor", "kate", "kwrite",
    "mousepad", "pluma", "xed", "code", "evince", "org.gnome.evince", "okular", "atril",
    "acrord32", "geany", "sublime_text", "emacs", "gvim", "featherpad",
    // chat
    "discord", "telegram", "telegram-desktop", "hexchat", "pidgin", "element-desktop",
    "signal-desktop", "slack", "teams", "skype", "thunderbird", "vesktop", "webcord", "mumble",
    // terminals, whose title follows what runs in them
    "xterm", "gnome-terminal", "gnome-terminal-server", "org.gnome.console", "kgx", "konsole",
    "xfce4-terminal", "alacritty", "kitty", "terminator", "tilix", "wezterm-gui",
    // the assistants, whose main windows carry the character's name
    "razor", "razorenhanced", "uos",
};
// clang-format on

}  // namespace

std::span<const GameClient> gameClients() { return kClients; }

std::span<const std::string_view> neverTheGame() { return kNeverTheGame; }

}  // namespace helmsway
