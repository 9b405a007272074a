// Fuzzes the keystroke notation with two inputs in one: the bytes as a keystroke text, and the
// same bytes as a ship name. Invariants: nothing crashes; a name without control characters
// escapes into a text that parses back to exactly its characters; whatever parses, written
// back out character by character, parses to the same keys.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "relay/KeystrokeNotation.h"

namespace {

using namespace helmsway;

void require(bool condition) {
    if (!condition) std::abort();
}

std::string writeOut(const KeySequence& keys) {
    std::string text;
    for (const KeyAction& key : keys) {
        switch (key.key) {
        case NamedKey::Character:
            text += escapeKeystrokeText(encodeUtf8(std::u32string(1, key.character)));
            break;
        case NamedKey::Enter: text += "{ENTER}"; break;
        case NamedKey::Tab: text += "{TAB}"; break;
        case NamedKey::Escape: text += "{ESC}"; break;
        case NamedKey::Backspace: text += "{BS}"; break;
        }
    }
    return text;
}

bool hasControl(std::u32string_view text) {
    for (const char32_t c : text)
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const auto keys = parseKeystrokeText(bytes)) {
        const auto again = parseKeystrokeText(writeOut(*keys));
        require(again.has_value() && *again == *keys);
    }

    if (const auto name = decodeUtf8(bytes)) {
        const auto keys = parseKeystrokeText(escapeKeystrokeText(bytes) + "{ENTER}");
        require(keys.has_value() == !hasControl(*name));
        if (keys) {
            require(keys->size() == name->size() + 1);
            for (std::size_t i = 0; i < name->size(); ++i)
                require((*keys)[i] == KeyAction{NamedKey::Character, (*name)[i]});
            require(keys->back().key == NamedKey::Enter);
        }
    }
    return 0;
}
