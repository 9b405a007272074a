#pragma once
// Characters no group of the live map has (é on a US keyboard, emoji) are typed on spare
// keycodes, ones with no keysym, bound to the characters' keysyms.
//
// A receiver does not read the map when our key event is made: a map change only tells it
// its copy is stale, and it fetches the map anew when it next looks a key up, which may be
// seconds later (a game loading a scene). Xlib even notes the change as soon as the notice
// arrives, ahead of keys still queued before it. So a key's meaning must never change while
// keys typed on it may still be unread, and no wait can tell when that is. Bindings therefore
// stay for the whole run: later texts reuse them, and a binding is replaced, least recently
// used first, only when a new text needs the room. The map is given back when the program ends.
//
// Every map change makes every client on the display reload its keyboard, so all new
// characters of one text are bound in one change, and a character bound already costs none.
// Each change is written down on the display first (KeyRecord.h), so that the keys are given
// back even when this process can no longer do it: by its guardian, or by the next helm.
// Each spare key carries several characters: one per level (Shift, and AltGr where the map has
// a key for it) of each group the keyboard has, so 19 spare keys hold 76 characters or more.
#include <X11/Xlib.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "KeyboardMap.h"
#include "support/Uncopyable.h"

namespace helmsway::x11 {

class SpareKeys : Uncopyable {
public:
    // Owns this process's record on the display, and gives back the keys of helms that ended
    // without giving them back themselves.
    explicit SpareKeys(Display* display);
    // Gives the map back (see `release`).
    ~SpareKeys();

    // The keys other helms on the display have borrowed.
    std::set<KeyCode> othersKeys() const;

    // True for a key this object has bound: a character on it is asked for through `provide`.
    bool borrowed(KeyCode key) const { return keys_.contains(key); }

    // Puts every keysym of `needed` (distinct) on a key, in at most one change of the map:
    // those bound already stay where they are, the others take free places or, once those run
    // out, the places of the characters used longest ago by earlier texts. False, with the map
    // unchanged, when more keysyms are needed than the spare keys can ever hold.
    bool provide(const KeyboardMap& map, const std::vector<KeySym>& needed);

    // Unbinds every key this object bound and the map still shows as bound, in one change made
    // on a connection of its own, so it works however the program's own connection ended.
    // Call it with no server grab of `display` held.
    void release();

private:
    struct Place {
        KeyCode key = 0;
        int group = 0;
        int level = 0;
    };
    struct Binding {
        int type = 0;  // the key type of every group
        int groups = 0;
        int width = 0;                    // levels of the type
        std::vector<KeySym> keysyms;      // group by group, `width` each
        std::vector<std::uint64_t> used;  // when each place was last asked for
    };

    void forgetChanged(XkbDescPtr xkb);
    // Marks the keysyms bound already as used by this text; the ones that are not.
    std::vector<KeySym> markBound(const std::vector<KeySym>& needed);
    std::vector<Place> placesInOrder(const std::map<KeyCode, Binding>& keys, int userGroup) const;
    // Records, then makes, the change of the map, and keeps its keys.
    void bind(XkbDescPtr xkb, std::map<KeyCode, Binding> changed);
    // Sets the keys to their bindings in one request.
    static void change(Display* display, XkbDescPtr xkb, const std::map<KeyCode, Binding>& keys);

    Display* display_;
    std::string displayName_;
    Atom record_ = None;
    std::map<KeyCode, Binding> keys_;
    std::uint64_t texts_ = 0;
};

}  // namespace helmsway::x11
