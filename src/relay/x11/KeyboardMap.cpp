#include "KeyboardMap.h"

#include <X11/keysym.h>

#include <algorithm>
#include <bit>
#include <utility>

#include "KeysymUnicode.h"

namespace helmsway::x11 {
namespace {

// The group a key uses when the keyboard is in `group`: keys with fewer groups wrap, clamp or
// redirect, as their group info says.
int effectiveGroup(XkbDescPtr xkb, KeyCode keycode, int group) {
    const int count = XkbKeyNumGroups(xkb, keycode);
    if (group < count) return group;
    const unsigned char info = XkbKeyGroupInfo(xkb, keycode);
    switch (XkbOutOfRangeGroupAction(info)) {
    case XkbClampIntoRange: return count - 1;
    case XkbRedirectIntoRange: {
        const int target = XkbOutOfRangeGroupNumber(info);
        return target < count ? target : 0;
    }
    default: return group % count;
    }
}

// The shift level a key type picks for a modifier state, as the server computes it.
int levelFor(const XkbKeyTypeRec& type, unsigned state) {
    const unsigned relevant = state & type.mods.mask;
    for (int i = 0; i < type.map_count; ++i) {
        const XkbKTMapEntryRec& entry = type.map[i];
        if (entry.active && entry.mods.mask == relevant) return entry.level;
    }
    return 0;
}

// How much we prefer a key as the way to hold a modifier: plain shift keys over anything
// that could also lock or switch groups.
int modifierKeyRank(KeySym sym) {
    constexpr KeySym preferred[] = {
        XK_Shift_L, XK_Shift_R, XK_ISO_Level3_Shift, XK_Control_L,       XK_Control_R,
        XK_Alt_L,   XK_Alt_R,   XK_Meta_L,           XK_Meta_R,          XK_Super_L,
        XK_Super_R, XK_Hyper_L, XK_Hyper_R,          XK_ISO_Level5_Shift};
    const auto* found = std::find(std::begin(preferred), std::end(preferred), sym);
    return found == std::end(preferred) ? -1 : static_cast<int>(found - std::begin(preferred));
}

// The user's group first, so text the layout has in front needs no group switch; then the
// fewest modifiers to hold.
void keepBetter(auto& table, const auto& key, KeyStroke stroke, int userGroup) {
    auto [it, inserted] = table.try_emplace(key, stroke);
    if (inserted) return;
    const auto cost = [userGroup](const KeyStroke& s) {
        return std::pair{s.group != userGroup, std::popcount(s.modifiers)};
    };
    if (cost(stroke) < cost(it->second)) it->second = stroke;
}

}  // namespace

KeyboardMap KeyboardMap::read(Display* display, unsigned ignoredLocks,
                              const std::set<KeyCode>& othersKeys) {
    KeyboardMap map;
    KeyboardDescription xkb(
        XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd));
    XkbStateRec state{};
    if (!xkb || XkbGetState(display, XkbUseCoreKbd, &state) != Success ||
        XkbGetControls(display, XkbGroupsWrapMask, xkb.get()) != Success)
        return map;
    map.groups_ = std::clamp(int{xkb->ctrls->num_groups}, 1, XkbNumKbdGroups);
    map.userGroup_ = std::min(int{state.group}, map.groups_ - 1);
    map.readModifiers(xkb.get());
    map.readStrokes(xkb.get(), state.locked_mods & ~ignoredLocks, othersKeys);
    return map;
}

void KeyboardMap::readModifiers(XkbDescPtr xkb) {
    for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
        const auto keycode = static_cast<KeyCode>(code);
        modmap_[keycode] = xkb->map->modmap[keycode];
        const int groups = XkbKeyNumGroups(xkb, keycode);
        if (groups == 0 && modmap_[keycode] == 0) spare_.push_back(keycode);
    }
    // A key to hold each real modifier: any key bound to it in the modifier map, the best
    // ranked by its first keysym; keys that only lock never qualify.
    for (unsigned bit = 0; bit < 8; ++bit) {
        int best = -1;
        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
            const auto keycode = static_cast<KeyCode>(code);
            if (!(modmap_[keycode] & (1u << bit)) || XkbKeyNumGroups(xkb, keycode) == 0) continue;
            const int rank = modifierKeyRank(XkbKeySymEntry(xkb, keycode, 0, 0));
            if (rank >= 0 && (best < 0 || rank < best)) {
                best = rank;
                modifierKeys_[bit] = keycode;
            }
        }
    }
}

void KeyboardMap::readStrokes(XkbDescPtr xkb, unsigned locked,
                              const std::set<KeyCode>& othersKeys) {
    // Every group the keyboard has: the events carry the group locked while they are made,
    // so a receiver decodes a key of another group as that group's character.
    for (int group = 0; group < groups_; ++group) {
        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
            const auto keycode = static_cast<KeyCode>(code);
            if (XkbKeyNumGroups(xkb, keycode) == 0 || othersKeys.contains(keycode)) continue;
            const int keyGroup = effectiveGroup(xkb, keycode, group);
            const XkbKeyTypeRec& type = *XkbKeyKeyType(xkb, keycode, keyGroup);

            // Every modifier combination the type distinguishes is a way to reach a level.
            std::vector<unsigned> combinations{0};
            for (int i = 0; i < type.map_count; ++i)
                if (type.map[i].active) combinations.push_back(type.map[i].mods.mask);
            for (unsigned mods : combinations) {
                if (!canHold(mods)) continue;
                const int level = levelFor(type, mods | locked);
                if (level >= type.num_levels) continue;
                const KeySym sym = XkbKeySymEntry(xkb, keycode, level, keyGroup);
                if (sym == NoSymbol) continue;
                const KeyStroke stroke{keycode, mods, group};
                // Dead keys type no character of their own (keysymToUnicode gives none), so
                // a character the layout only has as a dead key is borrowed like any other.
                // Some layouts ("af", "tj") put Latin-1 characters such as § and ° on their
                // Unicode keysyms, which Xlib's UTF-8 lookup hands a receiver as a bare
                // Latin-1 byte: a Unicode keysym types its character only where it is the
                // keysym we would bind for it ourselves.
                const char32_t c = keysymToUnicode(sym);
                if (c != 0 && (sym < 0x1000000 || unicodeToKeysym(c) == sym))
                    keepBetter(byCharacter_, c, stroke, userGroup_);
                keepBetter(byKeysym_, sym, stroke, userGroup_);
            }
        }
    }
}

bool KeyboardMap::canHold(unsigned modifiers) const {
    if (modifiers & LockMask) return false;
    for (unsigned bit = 0; bit < 8; ++bit)
        if ((modifiers & (1u << bit)) && modifierKeys_[bit] == 0) return false;
    return true;
}

void includeKeySyms(XkbMapChangesRec& changes, KeyCode key) {
    const int first = changes.num_key_syms ? std::min(int{changes.first_key_sym}, int{key}) : key;
    const int last = std::max(changes.first_key_sym + changes.num_key_syms - 1, int{key});
    changes.first_key_sym = static_cast<KeyCode>(first);
    changes.num_key_syms = static_cast<unsigned char>(last - first + 1);
    changes.changed |= XkbKeySymsMask;
}

std::optional<KeyStroke> KeyboardMap::find(char32_t character) const {
    const auto it = byCharacter_.find(character);
    if (it == byCharacter_.end()) return std::nullopt;
    return it->second;
}

std::optional<KeyStroke> KeyboardMap::findKeysym(KeySym keysym) const {
    const auto it = byKeysym_.find(keysym);
    if (it == byKeysym_.end()) return std::nullopt;
    return it->second;
}

KeyCode KeyboardMap::modifierKey(unsigned bit) const { return bit < 8 ? modifierKeys_[bit] : 0; }

}  // namespace helmsway::x11
