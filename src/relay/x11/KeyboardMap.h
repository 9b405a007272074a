#pragma once
// A snapshot of the keyboard map as it is live now, in the group the user has selected: which
// key, with which modifiers held, types a character.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <optional>
#include <unordered_map>
#include <vector>

namespace helmsway::x11 {

struct KeyStroke {
    KeyCode keycode = 0;
    unsigned modifiers = 0;  // real modifier mask to hold while the key goes down
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

class KeyboardMap {
public:
    // `ignoredLocks`: locked modifiers the caller will unlock before typing (Caps Lock).
    static KeyboardMap read(Display* display, unsigned ignoredLocks);

    // The stroke with the fewest modifiers that types the character, if any key does.
    std::optional<KeyStroke> find(char32_t character) const;
    // The same for a keysym that types no character (Return, Tab, Escape, BackSpace).
    std::optional<KeyStroke> findKeysym(KeySym keysym) const;

    // A key that sets the one real modifier `bit` while it is down, 0 when none does.
    KeyCode modifierKey(unsigned bit) const;
    // The real modifiers each key sets (the core modifier map).
    unsigned modifiersOf(KeyCode keycode) const { return modmap_[keycode]; }
    // Keys with no keysym at all, free to be bound for a moment.
    const std::vector<KeyCode>& spareKeys() const { return spare_; }
    // The keysym of a key bound the way spare keys are (one group of one level), else NoSymbol.
    KeySym soleKeysym(KeyCode keycode) const { return sole_[keycode]; }

private:
    std::unordered_map<char32_t, KeyStroke> byCharacter_;
    std::unordered_map<KeySym, KeyStroke> byKeysym_;
    unsigned char modmap_[256] = {};
    KeyCode modifierKeys_[8] = {};
    std::vector<KeyCode> spare_;
    KeySym sole_[256] = {};
};

}  // namespace helmsway::x11
