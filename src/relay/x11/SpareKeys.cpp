#include "SpareKeys.h"

#include <X11/XKBlib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <thread>

#include "X11Relay.h"

namespace helmsway::x11 {
namespace {

struct FreeKeyboard {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};

}  // namespace

struct SpareKeys::Record {
    std::map<KeyCode, KeySym> bound;
    // When the receiver will have read every key typed so far, at the latest.
    std::chrono::steady_clock::time_point readBy;
};

SpareKeys::SpareKeys(Display* display, const KeyboardMap& map)
    : display_(display),
      record_([display]() -> Record& {
          static std::map<Display*, Record> records;  // typing happens on one thread only
          return records[display];
      }()),
      free_(map.spareKeys()) {
    std::erase_if(record_.bound, [&map](const auto& binding) {
        return map.soleKeysym(binding.first) != binding.second;
    });
}

bool SpareKeys::borrowed(KeyCode key) const { return record_.bound.contains(key); }

std::size_t SpareKeys::capacity() const { return free_.size() + record_.bound.size(); }

std::vector<KeyCode> SpareKeys::bind(const std::vector<KeySym>& keysyms) {
    std::vector<KeyCode> keys(keysyms.size(), 0);
    std::vector<KeyCode> replaceable;
    for (const auto& [key, keysym] : record_.bound) {
        const auto wanted = std::find(keysyms.begin(), keysyms.end(), keysym);
        if (wanted == keysyms.end())
            replaceable.push_back(key);
        else
            keys[static_cast<std::size_t>(wanted - keysyms.begin())] = key;
    }
    std::vector<KeyCode> changed;
    std::vector<KeySym> changedTo;
    bool replacing = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != 0) continue;
        if (!free_.empty()) {
            keys[i] = free_.back();
            free_.pop_back();
        } else {
            if (replaceable.empty()) return {};  // more than `capacity`
            keys[i] = replaceable.back();
            replaceable.pop_back();
            replacing = true;
        }
        changed.push_back(keys[i]);
        changedTo.push_back(keysyms[i]);
    }
    if (replacing) settle();
    change(changed, changedTo);
    for (std::size_t i = 0; i < changed.size(); ++i) record_.bound[changed[i]] = changedTo[i];
    return keys;
}

void SpareKeys::typed() {
    const auto now = std::chrono::steady_clock::now();
    record_.readBy = std::max(record_.readBy, now + kSpareKeySettleTime) + kSpareKeySettlePerKey;
}

void SpareKeys::release() {
    if (record_.bound.empty()) return;
    settle();
    std::vector<KeyCode> keys;
    for (const auto& binding : record_.bound) keys.push_back(binding.first);
    change(keys, std::vector<KeySym>(keys.size(), NoSymbol));
    record_.bound.clear();
    XSync(display_, False);
}

void SpareKeys::settle() {
    XSync(display_, False);
    std::this_thread::sleep_until(record_.readBy);
}

void SpareKeys::change(const std::vector<KeyCode>& keys, const std::vector<KeySym>& keysyms) {
    if (keys.empty()) return;
    // The map as it is now, so keys between the changed ones go back to the server unchanged.
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

void releaseSpareKeys(Display* display) {
    if (!display) return;
    // Only keys that still carry what was bound are given back: a layout switched since owns
    // the rest.
    SpareKeys(display, KeyboardMap::read(display, 0)).release();
}

}  // namespace helmsway::x11
