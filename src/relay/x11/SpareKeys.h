#pragma once
// Characters the live map has no key for (é on a US keyboard, emoji) are typed on spare
// keycodes, ones with no keysym, bound to the characters' keysyms for a moment.
//
// Two things make this delicate. First, the moment must last until the receiving program has
// looked the keys up: programs do not read the map when the key event is made, a map change
// only tells them their copy is stale, and they fetch it anew when they next look a key up,
// which may be well after the server has handled our events. Unbinding right after XSync lets
// a busy receiver fetch the map without the binding and see keys that type nothing. So the
// bindings stay until the receiver has had time to take its events. Xlib notes a map change
// as soon as it reads the notice from the connection, ahead of the keys still queued before
// it, so the receiver must have handled every key typed since the binding: the wait grows
// with their number.
//
// Second, every map change makes every client on the display reload its keyboard (window
// managers reopen their input method, toolkits recompile the keymap), which costs each of them
// milliseconds of work. Binding key by key, as tools commonly do, buries the desktop in
// reloads; all keys of one text are bound in one request and unbound in one more.
#include <X11/Xlib.h>

#include <chrono>
#include <vector>

namespace helmsway::x11 {

// Long enough for a game that reads its input once per frame at 10 frames a second.
inline constexpr std::chrono::milliseconds kSpareKeySettleTime{120};
// And per key typed while the binding stood, for a receiver that draws after every key.
inline constexpr std::chrono::microseconds kSpareKeySettlePerKey{1000};

class SpareKeys {
public:
    SpareKeys(Display* display, std::vector<KeyCode> spare);
    // Waits for the receiver when anything was bound, then leaves every spare key unbound.
    ~SpareKeys();
    SpareKeys(const SpareKeys&) = delete;
    SpareKeys& operator=(const SpareKeys&) = delete;

    // How many keysyms one `bind` can take.
    std::size_t capacity() const { return spare_.size(); }

    // Binds the keysyms (at most `capacity`) to spare keys in one change of the map and
    // returns the keys in the same order. Keys bound before are reused, so it first waits
    // until what was typed on them has been looked up.
    std::vector<KeyCode> bind(const std::vector<KeySym>& keysyms);
    // Counts a key typed while the current binding stands.
    void typed() { ++typedSinceBind_; }

private:
    void settle();
    // Sets each key to the keysym beside it (NoSymbol: no keysym at all) in one request.
    void change(const std::vector<KeyCode>& keys, const std::vector<KeySym>& keysyms);

    Display* display_;
    std::vector<KeyCode> spare_;
    std::size_t used_ = 0;  // the first `used_` spare keys have been bound at some point
    bool pending_ = false;  // keys typed on bindings that the receiver may not have read yet
    std::size_t typedSinceBind_ = 0;
};

}  // namespace helmsway::x11
