#include "SpareKeys.h"

#include <X11/XKBlib.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>

#include "KeyRecord.h"

namespace helmsway::x11 {
namespace {

struct KeyType {
    int index = XkbOneLevelIndex;
    int width = 1;
};

// The type every group of a borrowed key gets: four levels where the map has such a type and
// a key to hold each of its modifiers (Shift and AltGr), else Shift's two, else one.
KeyType typeForSpareKeys(Display* display, XkbDescPtr xkb, const KeyboardMap& map) {
    const Atom fourLevel = XInternAtom(display, "FOUR_LEVEL", True);
    if (fourLevel != 0 && XkbGetNames(display, XkbKeyTypeNamesMask, xkb) == Success) {
        for (int i = 0; i < xkb->map->num_types; ++i) {
            const XkbKeyTypeRec& type = xkb->map->types[i];
            if (type.name == fourLevel && type.num_levels == 4 && map.canHold(type.mods.mask))
                return {i, 4};
        }
    }
    if (xkb->map->num_types > XkbTwoLevelIndex && map.canHold(ShiftMask)) return {XkbTwoLevelIndex, 2};
    return {};
}

}  // namespace

SpareKeys::SpareKeys(Display* display)
    : display_(display), displayName_(DisplayString(display)) {
    record_ = recordName(display_, getpid());
    const ServerGrab grab(display_);
    ownRecord(display_, record_);
    giveBackAbandoned(display_);
}

SpareKeys::~SpareKeys() { release(); }

std::set<KeyCode> SpareKeys::othersKeys() const { return keysOfOthers(display_, record_); }

bool SpareKeys::provide(const KeyboardMap& map, const std::vector<KeySym>& needed) {
    ++texts_;
    if (needed.empty()) return true;
    KeyboardDescription xkb(XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
    if (!xkb) return false;
    forgetChanged(xkb.get());
    const std::vector<KeySym> missing = markBound(needed);
    if (missing.empty()) return true;

    std::map<KeyCode, Binding> next = keys_;
    const KeyType type = typeForSpareKeys(display_, xkb.get(), map);
    for (const KeyCode key : map.spareKeys()) {
        const auto places = static_cast<std::size_t>(map.groups() * type.width);
        next.try_emplace(key, Binding{type.index, map.groups(), type.width,
                                      std::vector<KeySym>(places, NoSymbol),
                                      std::vector<std::uint64_t>(places, 0)});
    }
    const std::vector<Place> places = placesInOrder(next, map.userGroup());
    if (places.size() < missing.size()) return false;

    std::map<KeyCode, Binding> changed;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        const Place& place = places[i];
        Binding& binding = next.at(place.key);
        const auto at = static_cast<std::size_t>(place.group * binding.width + place.level);
        binding.keysyms[at] = missing[i];
        binding.used[at] = texts_;
        changed[place.key] = binding;
    }
    bind(xkb.get(), std::move(changed));
    return true;
}

std::vector<KeySym> SpareKeys::markBound(const std::vector<KeySym>& needed) {
    std::vector<KeySym> missing;
    for (const KeySym keysym : needed) {
        bool bound = false;
        for (auto& [key, binding] : keys_)
            for (std::size_t i = 0; i < binding.keysyms.size(); ++i)
                if (binding.keysyms[i] == keysym) {
                    binding.used[i] = texts_;
                    bound = true;
                }
        if (!bound) missing.push_back(keysym);
    }
    return missing;
}

// Every place a new keysym could go: the empty ones, plain levels of the user's group first, so
// most text needs neither AltGr nor a group switch; then those of earlier texts, least recently
// used first, never one this text uses itself.
std::vector<SpareKeys::Place> SpareKeys::placesInOrder(const std::map<KeyCode, Binding>& keys,
                                                       int userGroup) const {
    const auto rank = [userGroup](const Place& place) {
        return std::tuple{place.level >= 2, place.group != userGroup, place.level, place.group,
                          place.key};
    };
    std::vector<Place> empty, stale;
    for (const auto& [key, binding] : keys)
        for (int group = 0; group < binding.groups; ++group)
            for (int level = 0; level < binding.width; ++level) {
                const auto i = static_cast<std::size_t>(group * binding.width + level);
                if (binding.keysyms[i] == NoSymbol)
                    empty.push_back({key, group, level});
                else if (binding.used[i] < texts_)
                    stale.push_back({key, group, level});
            }
    std::sort(empty.begin(), empty.end(),
              [&rank](const Place& a, const Place& b) { return rank(a) < rank(b); });
    std::stable_sort(stale.begin(), stale.end(), [&keys](const Place& a, const Place& b) {
        const auto usedOf = [&keys](const Place& p) {
            const Binding& binding = keys.at(p.key);
            return binding.used[static_cast<std::size_t>(p.group * binding.width + p.level)];
        };
        return usedOf(a) < usedOf(b);
    });
    empty.insert(empty.end(), stale.begin(), stale.end());
    return empty;
}

void SpareKeys::bind(XkbDescPtr xkb, std::map<KeyCode, Binding> changed) {
    // Written down before the change, and both old and new keysyms of each key: however far
    // the change gets, the record covers what the map shows.
    KeyRecord record;
    for (const auto* bindings : {&keys_, &changed})
        for (const auto& [key, binding] : *bindings)
            for (const KeySym keysym : binding.keysyms)
                if (keysym != NoSymbol) record[key].insert(keysym);
    writeRecord(display_, record_, record);
    change(display_, xkb, changed);
    for (auto& [key, binding] : changed) keys_[key] = std::move(binding);
}

void SpareKeys::release() {
    if (keys_.empty() || displayName_.empty()) return;
    // The program's own connection may be gone (the reason it ends), or hold requests not yet
    // sent; a connection of our own is neither.
    if (Display* own = XOpenDisplay(displayName_.c_str())) {
        {
            const ServerGrab grab(own);
            giveBack(own, record_);
        }
        XCloseDisplay(own);
    }
    keys_.clear();
}

// A layout switched since a key was bound owns that key now; it is no longer ours to reuse or
// give back.
void SpareKeys::forgetChanged(XkbDescPtr xkb) {
    std::erase_if(keys_, [xkb](const auto& entry) {
        const auto& [key, binding] = entry;
        if (key < xkb->min_key_code || key > xkb->max_key_code) return true;
        if (XkbKeyNumGroups(xkb, key) != binding.groups) return true;
        for (int group = 0; group < binding.groups; ++group) {
            if (XkbKeyKeyTypeIndex(xkb, key, group) != binding.type) return true;
            for (int level = 0; level < binding.width; ++level)
                if (XkbKeySymEntry(xkb, key, level, group) !=
                    binding.keysyms[static_cast<std::size_t>(group * binding.width + level)])
                    return true;
        }
        return false;
    });
}

void SpareKeys::change(Display* display, XkbDescPtr xkb, const std::map<KeyCode, Binding>& keys) {
    if (keys.empty()) return;
    XkbMapChangesRec changes{};
    for (const auto& [key, binding] : keys) {
        int types[XkbNumKbdGroups] = {binding.type, binding.type, binding.type, binding.type};
        if (XkbChangeTypesOfKey(xkb, key, binding.groups, (1 << binding.groups) - 1, types,
                                &changes) != Success)
            continue;
        KeySym* keysyms = XkbKeySymsPtr(xkb, key);
        for (std::size_t i = 0; i < binding.keysyms.size(); ++i) keysyms[i] = binding.keysyms[i];
        includeKeySyms(changes, key);
    }
    XkbChangeMap(display, xkb, &changes);
}

}  // namespace helmsway::x11
