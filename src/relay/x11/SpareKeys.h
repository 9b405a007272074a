#pragma once
// Characters the live map has no key for (é on a US keyboard, emoji) are typed on spare
// keycodes, ones with no keysym, bound to the characters' keysyms.
//
// Two things make this delicate. First, a binding must stand until the receiving program has
// looked its keys up: programs do not read the map when the key event is made, a map change
// only tells them their copy is stale, and they fetch it anew when they next look a key up,
// which may be well after the server has handled our events. Xlib even notes a map change as
// soon as it reads the notice from the connection, ahead of the keys still queued before it.
// No wait after typing is long enough for a receiver that is busy or loaded, so bindings are
// not undone after a text: they stay, are reused by later texts that need the same
// characters, and are given back by `releaseSpareKeys` once the program has been idle for
// `spareKeyReleaseDelay` and when it ends. Only when a text needs more new characters than
// there are free spare keys is a binding replaced, and then only after a wait for the receiver.
//
// Second, every map change makes every client on the display reload its keyboard (window
// managers reopen their input method, toolkits recompile the keymap), which costs each of them
// milliseconds of work. Binding key by key, as tools commonly do, buries the desktop in
// reloads; all new keys of one text are bound in one request, all borrowed keys given back in
// one more, and a character bound already costs none.
#include <X11/Xlib.h>

#include <chrono>
#include <vector>

#include "KeyboardMap.h"

namespace helmsway::x11 {

// Before a binding in use is replaced: long enough for a game that reads its input once per
// frame at 10 frames a second...
inline constexpr std::chrono::milliseconds kSpareKeySettleTime{120};
// ...and per key typed in a burst, for a receiver that draws after every key.
inline constexpr std::chrono::microseconds kSpareKeySettlePerKey{1000};

// The keys this process has borrowed on one display, as the live map still shows them (a
// layout switched since then takes its keys back). The record outlives the object.
class SpareKeys {
public:
    SpareKeys(Display* display, const KeyboardMap& map);

    // True for a key borrowed and still bound: its character is typed through `bind`.
    bool borrowed(KeyCode key) const;
    // How many distinct keysyms one `bind` can take: the free spare keys and the borrowed ones.
    std::size_t capacity() const;

    // Keys for the distinct keysyms (at most `capacity`), in the same order. A keysym bound
    // already keeps its key and costs no change of the map; the others are bound in one change
    // to free spare keys or, once those run out, to borrowed keys these keysyms do not need,
    // after a wait for what was typed on them to be read.
    std::vector<KeyCode> bind(const std::vector<KeySym>& keysyms);
    // Counts a key typed, so a wait before replacing a binding covers it.
    void typed();
    // Unbinds every borrowed key in one change, after the same wait.
    void release();

private:
    struct Record;
    void settle();
    // Sets each key to the keysym beside it (NoSymbol: no keysym at all) in one request.
    void change(const std::vector<KeyCode>& keys, const std::vector<KeySym>& keysyms);

    Display* display_;
    Record& record_;
    std::vector<KeyCode> free_;
};

}  // namespace helmsway::x11
