#pragma once
// What a keystroke text means once parsed: the keys to press, one after another. Shells type
// this, never the text itself, so the notation is known in one place only.
#include <vector>

namespace helmsway {

// X11's headers define None as a macro; keep it out of the enum whatever the include order.
#pragma push_macro("None")
#undef None
enum class NamedKey { None, Enter, Tab, Escape, Backspace };
#pragma pop_macro("None")

struct KeyAction {
    NamedKey key = NamedKey{};  // NamedKey::None: type `character`
    char32_t character = 0;
    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

using KeySequence = std::vector<KeyAction>;

}  // namespace helmsway
