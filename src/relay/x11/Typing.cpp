// Typing a key sequence into the focused window through XTest.
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

#include "HeldModifiers.h"
#include "KeyboardMap.h"
#include "KeysymUnicode.h"
#include "SpareKeys.h"
#include "X11Relay.h"

namespace helmsway::x11 {
namespace {

KeySym namedKeysym(NamedKey key) {
    switch (key) {
    case NamedKey::Enter: return XK_Return;
    case NamedKey::Tab: return XK_Tab;
    case NamedKey::Escape: return XK_Escape;
    case NamedKey::Backspace: return XK_BackSpace;
    default: break;
    }
    return NoSymbol;
}

// Control characters have no key of their own; the notation never yields them.
bool typeable(const KeyAction& action) {
    if (action.key != NamedKey::Character) return true;
    const char32_t c = action.character;
    return c >= 0x20 && c != 0x7f && !(c >= 0x80 && c < 0xa0) && c <= 0x10ffff;
}

std::optional<KeyStroke> strokeFromMap(const KeyboardMap& map, const KeyAction& action) {
    return action.key == NamedKey::Character ? map.find(action.character)
                                             : map.findKeysym(namedKeysym(action.key));
}

KeySym keysymOf(const KeyAction& action) {
    return action.key == NamedKey::Character ? unicodeToKeysym(action.character)
                                             : namedKeysym(action.key);
}

// Presses keys and holds the modifiers each one needs, changing only the modifiers that differ
// from the previous key's so a run of capitals holds Shift once.
class Typist {
public:
    Typist(Display* display, const KeyboardMap& map) : display_(display), map_(map) {}

    void type(KeyStroke stroke) {
        hold(stroke.modifiers);
        XTestFakeKeyEvent(display_, stroke.keycode, True, CurrentTime);
        XTestFakeKeyEvent(display_, stroke.keycode, False, CurrentTime);
    }

    void hold(unsigned modifiers) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            const unsigned mask = 1u << bit;
            if ((held_ & mask) == (modifiers & mask)) continue;
            XTestFakeKeyEvent(display_, map_.modifierKey(bit), (modifiers & mask) != 0,
                              CurrentTime);
        }
        held_ = modifiers;
    }

private:
    Display* display_;
    const KeyboardMap& map_;
    unsigned held_ = 0;
};

}  // namespace

void sendKeys(Display* display, const KeySequence& keys) {
    if (!display || keys.empty()) return;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) return;

    // Caps Lock is set aside below, so the map is read as it will be while we type.
    const KeyboardMap map = KeyboardMap::read(display, LockMask);
    SpareKeys spare(display, map);

    // Where each key comes from: the layout's own keys, or (for the rest) a spare key bound
    // per run of the text holding no more distinct characters than there are spare keys. Keys
    // borrowed before are not the layout's: they are asked for again, so they stay bound.
    std::vector<std::optional<KeyStroke>> strokes;
    for (const KeyAction& action : keys) {
        auto stroke = strokeFromMap(map, action);
        if (stroke && spare.borrowed(stroke->keycode)) stroke.reset();
        strokes.push_back(stroke);
    }

    // Half a command is worse than none: when a character can be typed neither from the map
    // nor on a spare key, nothing is typed.
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!typeable(keys[i]) || (!strokes[i] && spare.capacity() == 0)) return;

    const HeldModifiers held(display, map);
    Typist typist(display, map);
    std::size_t next = 0;
    while (next < keys.size()) {
        std::vector<KeySym> borrowed;
        std::size_t end = next;
        for (; end < keys.size(); ++end) {
            if (strokes[end]) continue;
            const KeySym sym = keysymOf(keys[end]);
            if (std::find(borrowed.begin(), borrowed.end(), sym) != borrowed.end()) continue;
            if (borrowed.size() == spare.capacity()) break;
            borrowed.push_back(sym);
        }
        if (!borrowed.empty()) {
            typist.hold(0);  // no modifier down while the map changes
            const std::vector<KeyCode> bound = spare.bind(borrowed);
            if (bound.empty()) break;  // never: a run holds at most `capacity` keysyms
            for (std::size_t i = next; i < end; ++i) {
                if (strokes[i]) continue;
                const auto at = std::find(borrowed.begin(), borrowed.end(), keysymOf(keys[i]));
                strokes[i] = KeyStroke{bound[static_cast<std::size_t>(at - borrowed.begin())], 0};
            }
        }
        for (; next < end; ++next) {
            typist.type(*strokes[next]);
            spare.typed();
        }
    }
    typist.hold(0);
    XSync(display, False);
}

}  // namespace helmsway::x11
