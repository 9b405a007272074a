#include "relay/GameWindow.h"

namespace helmsway {
namespace {
constexpr std::string_view kLoggedInPrefix = "Ultima Online - ";
}

bool isGameWindowTitle(std::string_view title) {
    return title == kGameWindowTitle || title.starts_with(kLoggedInPrefix);
}

std::optional<std::size_t> chooseGameWindow(std::span<const std::string> titlesTopmostFirst) {
    std::optional<std::size_t> loggedIn;
    for (std::size_t i = 0; i < titlesTopmostFirst.size(); ++i) {
        const std::string& title = titlesTopmostFirst[i];
        if (title == kGameWindowTitle) return i;
        if (!loggedIn && isGameWindowTitle(title)) loggedIn = i;
    }
    return loggedIn;
}

}  // namespace helmsway
