// Typing a key sequence into the focused window through XTest.
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

#include "HeldModifiers.h"
#include "KeyRecord.h"
#include "KeyboardMap.h"
#include "KeysymUnicode.h"
#include "SpareKeys.h"
#include "X11Relay.h"
#include "relay/KeystrokeNotation.h"
#include "support/Uncopyable.h"

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

std::optional<KeyStroke> strokeFromMap(const KeyboardMap& map, const KeyAction& action) {
    return action.key == NamedKey::Character ? map.find(action.character)
                                             : map.findKeysym(namedKeysym(action.key));
}

KeySym keysymOf(const KeyAction& action) {
    return action.key == NamedKey::Character ? unicodeToKeysym(action.character)
                                             : namedKeysym(action.key);
}

// Plans the presses in the group and with the modifiers each key needs, changing only what
// differs from the previous key, so a run of capitals holds Shift once and a run of another
// group's letters switches the group once. Ends with every modifier it held released.
class Typist : Uncopyable {
public:
    explicit Typist(const KeyboardMap& map) : map_(map), group_(map.userGroup()) {}

    void type(KeyStroke stroke) {
        if (stroke.group != group_) {
            hold(0);  // the modifiers are the new group's to decide
            group_ = stroke.group;
        }
        hold(stroke.modifiers);
        events_.push_back({group_, stroke.keycode, true});
        events_.push_back({group_, stroke.keycode, false});
    }

    std::vector<KeyEvent> finish() {
        hold(0);
        return std::move(events_);
    }

private:
    void hold(unsigned modifiers) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            const unsigned mask = 1u << bit;
            if ((held_ & mask) == (modifiers & mask)) continue;
            events_.push_back({group_, map_.modifierKey(bit), (modifiers & mask) != 0});
        }
        held_ = modifiers;
    }

    const KeyboardMap& map_;
    std::vector<KeyEvent> events_;
    unsigned held_ = 0;
    int group_;
};

// The keysyms, each once, that must be on borrowed keys: what no group of the map has, and
// what is on a borrowed key already (asking for it again keeps it bound).
std::vector<KeySym> borrowedKeysyms(const KeySequence& keys, const KeyboardMap& map,
                                    const SpareKeys& spare) {
    std::vector<KeySym> needed;
    for (const KeyAction& action : keys) {
        const auto stroke = strokeFromMap(map, action);
        if (stroke && !spare.borrowed(stroke->keycode)) continue;
        const KeySym keysym = keysymOf(action);
        if (std::find(needed.begin(), needed.end(), keysym) == needed.end())
            needed.push_back(keysym);
    }
    return needed;
}

// When Caps Lock is on, a tap of its key before the events and one after.
std::vector<KeyEvent> withCapsLockSetAside(Display* display, const KeyboardMap& map,
                                           std::vector<KeyEvent> events) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success ||
        !(state.locked_mods & LockMask))
        return events;
    const auto capsLock = map.findKeysym(XK_Caps_Lock);
    if (!capsLock) return events;
    const int group = map.userGroup();
    const KeyEvent tap[] = {{group, capsLock->keycode, true}, {group, capsLock->keycode, false}};
    events.insert(events.begin(), std::begin(tap), std::end(tap));
    events.insert(events.end(), std::begin(tap), std::end(tap));
    return events;
}

}  // namespace

std::optional<std::vector<KeyEvent>> keyEventsOnMap(const KeyboardMap& map,
                                                    const KeySequence& keys) {
    Typist typist(map);
    for (const KeyAction& action : keys) {
        if (action.key == NamedKey::Character && !isTypeableCharacter(action.character))
            return std::nullopt;
        const auto stroke = strokeFromMap(map, action);
        if (!stroke) return std::nullopt;
        typist.type(*stroke);
    }
    return typist.finish();
}

std::optional<CompositorKeys> keysForCompositor(Display* display, const KeySequence& keys) {
    const auto map = KeyboardMap::read(display, LockMask, keysOfOthers(display, None));
    auto events = keyEventsOnMap(map, keys);
    if (!events) return std::nullopt;
    return CompositorKeys{withCapsLockSetAside(display, map, std::move(*events)),
                          map.userGroup()};
}

void sendKeys(Display* display, SpareKeys& spare, const KeySequence& keys) {
    if (keys.empty()) return;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) return;
    for (const KeyAction& action : keys)
        if (action.key == NamedKey::Character && !isTypeableCharacter(action.character)) return;

    // The whole text, map change included, in one grab of the server: another helm's text (or
    // its map change) can come before or after it, never in between. Nothing below waits for
    // the receiver, which reads the keys once the grab is over.
    const ServerGrab grab(display);
    // Caps Lock is set aside below, so the map is read as it will be while we type.
    const std::set<KeyCode> others = spare.othersKeys();
    KeyboardMap map = KeyboardMap::read(display, LockMask, others);
    const std::vector<KeySym> borrowed = borrowedKeysyms(keys, map, spare);
    // Half a command is worse than none: a text that cannot be typed whole is not typed.
    if (!spare.provide(map, borrowed)) return;
    if (!borrowed.empty()) map = KeyboardMap::read(display, LockMask, others);
    const auto events = keyEventsOnMap(map, keys);
    if (!events) return;

    const HeldModifiers held(display, map);
    int group = map.userGroup();
    for (const KeyEvent& key : *events) {
        if (key.group != group) {
            XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(key.group));
            group = key.group;
        }
        XTestFakeKeyEvent(display, key.keycode, key.pressed, CurrentTime);
    }
    XSync(display, False);
}

}  // namespace helmsway::x11
