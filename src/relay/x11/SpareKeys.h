#pragma once
// Characters the live map has no key for (é on a US keyboard, emoji) are typed on a spare
// keycode, one with no keysym, bound to the character's keysym for a moment.
//
// The moment must last until the receiving program has looked the key up. Programs do not
// read the map when the key event is made: a map change only tells them the map is stale,
// and they fetch it anew when they next look a key up, which may be well after the server
// has handled our events. Unbinding right after XSync lets a busy receiver fetch the map
// without the binding and see a key that types nothing. So the bindings stay until the
// receiver has had time to take its events; all characters of one text share one wait.
#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <unordered_map>
#include <vector>

namespace helmsway::x11 {

// Long enough for a game that reads its input once per frame at 10 frames a second.
inline constexpr std::chrono::milliseconds kSpareKeySettleTime{120};

class SpareKeys {
public:
    SpareKeys(Display* display, std::vector<KeyCode> spare);
    // Waits for the receiver when anything was bound, then leaves every spare key unbound.
    ~SpareKeys();
    SpareKeys(const SpareKeys&) = delete;
    SpareKeys& operator=(const SpareKeys&) = delete;

    // The spare key bound to `keysym`, binding a free one; nothing when all are in use (call
    // `settle` and try again) or there are none.
    std::optional<KeyCode> bind(KeySym keysym);
    // Waits until the keys typed so far have been looked up, freeing every spare key.
    void settle();
    bool available() const { return !spare_.empty(); }

private:
    Display* display_;
    std::vector<KeyCode> spare_;
    std::unordered_map<KeySym, KeyCode> bound_;
    std::vector<KeyCode> used_;  // every key bound at some point, to unbind at the end
};

}  // namespace helmsway::x11
