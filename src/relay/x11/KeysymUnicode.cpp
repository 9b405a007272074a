#include "KeysymUnicode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace helmsway::x11 {
namespace {

struct Pair {
    unsigned long keysym;
    char32_t character;
};

constexpr Pair kLegacy[] = {
#include "KeysymTable.inc"
};

constexpr KeySym kUnicodeBase = 0x1000000;

}  // namespace

char32_t keysymToUnicode(KeySym keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return static_cast<char32_t>(keysym);
    if (keysym >= kUnicodeBase + 0x20 && keysym <= kUnicodeBase + 0x10ffff)
        return static_cast<char32_t>(keysym - kUnicodeBase);
    const auto* found = std::find_if(std::begin(kLegacy), std::end(kLegacy),
                                     [keysym](const Pair& p) { return p.keysym == keysym; });
    return found == std::end(kLegacy) ? 0 : found->character;
}

KeySym unicodeToKeysym(char32_t character) {
    if ((character >= 0x20 && character <= 0x7e) || (character >= 0xa0 && character <= 0xff))
        return character;
    return kUnicodeBase + character;
}

}  // namespace helmsway::x11
