#pragma once
// Keysyms and the characters they type.
#include <X11/X.h>

namespace helmsway::x11 {

// The character a keysym types, or 0 for keys that type none (modifiers, dead keys, keypad).
char32_t keysymToUnicode(KeySym keysym);

// The keysym that stands for a character when a key has to be bound to it.
KeySym unicodeToKeysym(char32_t character);

}  // namespace helmsway::x11
