#include "SpareKeys.h"

#include <algorithm>
#include <thread>

namespace helmsway::x11 {

SpareKeys::SpareKeys(Display* display, std::vector<KeyCode> spare)
    : display_(display), spare_(std::move(spare)) {}

SpareKeys::~SpareKeys() {
    if (used_.empty()) return;
    settle();
    for (KeyCode keycode : used_) {
        KeySym none = NoSymbol;
        XChangeKeyboardMapping(display_, keycode, 1, &none, 1);
    }
    XSync(display_, False);
}

std::optional<KeyCode> SpareKeys::bind(KeySym keysym) {
    if (const auto it = bound_.find(keysym); it != bound_.end()) return it->second;
    if (bound_.size() >= spare_.size()) return std::nullopt;
    const KeyCode keycode = spare_[bound_.size()];
    // The same keysym on both levels, so Shift or a stray lock cannot change what it types.
    KeySym both[2] = {keysym, keysym};
    XChangeKeyboardMapping(display_, keycode, 2, both, 1);
    bound_.emplace(keysym, keycode);
    if (std::find(used_.begin(), used_.end(), keycode) == used_.end()) used_.push_back(keycode);
    return keycode;
}

void SpareKeys::settle() {
    if (bound_.empty()) return;
    XSync(display_, False);
    std::this_thread::sleep_for(kSpareKeySettleTime);
    bound_.clear();
}

}  // namespace helmsway::x11
