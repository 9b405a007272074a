#pragma once
// What a keystroke text means once parsed: the keys to press, one after another. Shells type
// this, never the text itself, so the notation is known in one place only.
#include <vector>

namespace helmsway {

// Character: type `character`; the others are keys of their own.
enum class NamedKey { Character, Enter, Tab, Escape, Backspace };

struct KeyAction {
    NamedKey key = NamedKey::Character;
    char32_t character = 0;
    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

using KeySequence = std::vector<KeyAction>;

}  // namespace helmsway
