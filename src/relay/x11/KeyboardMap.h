#pragma once
// A snapshot of the keyboard map as it is live now, across every group the keyboard has: which
// key, in which group and with which modifiers held, types a character.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

namespace helmsway::x11 {

// XkbGetMap's result, freed whole however the reader leaves.
struct FreeKeyboard {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};
using KeyboardDescription = std::unique_ptr<XkbDescRec, FreeKeyboard>;

struct KeyStroke {
    KeyCode keycode = 0;
    unsigned modifiers = 0;  // real modifier mask to hold while the key goes down
    int group = 0;           // the keyboard group to lock while it does
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

class KeyboardMap {
public:
    // `ignoredLocks`: locked modifiers the caller will unlock before typing (Caps Lock).
    // `othersKeys`: keys another helm has borrowed, never used to type (their meaning may
    // change before a game reads them).
    static KeyboardMap read(Display* display, unsigned ignoredLocks,
                            const std::set<KeyCode>& othersKeys);

    // The stroke that types the character, if any key of any group does: the user's own
    // group before the others, then the fewest modifiers.
    std::optional<KeyStroke> find(char32_t character) const;
    // The same for a keysym that types no character (Return, Tab, Escape, BackSpace).
    std::optional<KeyStroke> findKeysym(KeySym keysym) const;

    // A key that sets the one real modifier `bit` while it is down, 0 when none does.
    KeyCode modifierKey(unsigned bit) const;
    // Whether a key of the map can hold each of these modifiers while a key goes down. Lock
    // never counts: it toggles, and is never held for a character.
    bool canHold(unsigned modifiers) const;
    // The real modifiers each key sets (the core modifier map).
    unsigned modifiersOf(KeyCode keycode) const { return modmap_[keycode]; }
    // Keys with no keysym and no modifier, free to be bound.
    const std::vector<KeyCode>& spareKeys() const { return spare_; }
    // The groups the keyboard has (1 to 4) and the one the user has selected.
    int groups() const { return groups_; }
    int userGroup() const { return userGroup_; }

private:
    void readModifiers(XkbDescPtr xkb);
    // What each key of each group types, with the modifiers held that reach it.
    void readStrokes(XkbDescPtr xkb, unsigned locked, const std::set<KeyCode>& othersKeys);

    std::unordered_map<char32_t, KeyStroke> byCharacter_;
    std::unordered_map<KeySym, KeyStroke> byKeysym_;
    unsigned char modmap_[256] = {};
    KeyCode modifierKeys_[8] = {};
    std::vector<KeyCode> spare_;
    int groups_ = 1;
    int userGroup_ = 0;
};

// Widens a change of the map to the key's keysyms, so the key is sent whether or not its shape
// changed.
void includeKeySyms(XkbMapChangesRec& changes, KeyCode key);

}  // namespace helmsway::x11
