#include "SpareKeys.h"

#include <X11/XKBlib.h>

#include <algorithm>
#include <memory>
#include <thread>

namespace helmsway::x11 {
namespace {

struct FreeKeyboard {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};

}  // namespace

SpareKeys::SpareKeys(Display* display, std::vector<KeyCode> spare)
    : display_(display), spare_(std::move(spare)) {}

SpareKeys::~SpareKeys() {
    if (used_ == 0) return;
    settle();
    const std::vector<KeyCode> keys(spare_.begin(), spare_.begin() + used_);
    change(keys, std::vector<KeySym>(keys.size(), NoSymbol));
    XSync(display_, False);
}

std::vector<KeyCode> SpareKeys::bind(const std::vector<KeySym>& keysyms) {
    const std::size_t count = std::min(keysyms.size(), spare_.size());
    settle();
    const std::vector<KeyCode> keys(spare_.begin(), spare_.begin() + count);
    change(keys, {keysyms.begin(), keysyms.begin() + count});
    used_ = std::max(used_, count);
    pending_ = true;
    return keys;
}

void SpareKeys::settle() {
    if (!pending_) return;
    XSync(display_, False);
    std::this_thread::sleep_for(kSpareKeySettleTime +
                                kSpareKeySettlePerKey * static_cast<long>(typedSinceBind_));
    pending_ = false;
    typedSinceBind_ = 0;
}

void SpareKeys::change(const std::vector<KeyCode>& keys, const std::vector<KeySym>& keysyms) {
    if (keys.empty()) return;
    // The map as it is now, so keys between the spare ones go back to the server unchanged.
    std::unique_ptr<XkbDescRec, FreeKeyboard> xkb(
        XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
    if (!xkb) return;
    XkbMapChangesRec changes{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyCode key = keys[i];
        // One group of the one-level type: the keysym whatever modifier or lock is active.
        int types[XkbNumKbdGroups] = {XkbOneLevelIndex};
        const int groups = keysyms[i] == NoSymbol ? 0 : 1;
        if (XkbChangeTypesOfKey(xkb.get(), key, groups, XkbGroup1Mask, types, &changes) != Success)
            continue;
        if (groups) XkbKeySymsPtr(xkb.get(), key)[0] = keysyms[i];
        // Make sure the key is in the range sent even when its shape did not change.
        const int last = std::max(changes.first_key_sym + changes.num_key_syms - 1, int{key});
        const int first =
            changes.num_key_syms ? std::min(int{changes.first_key_sym}, int{key}) : int{key};
        changes.first_key_sym = static_cast<KeyCode>(first);
        changes.num_key_syms = static_cast<unsigned char>(last - first + 1);
        changes.changed |= XkbKeySymsMask;
    }
    XkbChangeMap(display_, xkb.get(), &changes);
}

}  // namespace helmsway::x11
