#pragma once
// The keystroke notation of the pending text. Plain characters stand for themselves; "~" and
// "{ENTER}" are Enter; "{TAB}", "{ESC}" and "{BACKSPACE}" ("{BS}", "{BKSP}") name their keys;
// "{c}" is the one character c typed literally, which is how the reserved characters
// + ^ % ~ ( ) { } [ ] are written. Modifier chords (+ ^ %) and groups are not accepted: the
// helm never sends shortcuts into the game, so a text holding one is rejected whole.
#include <optional>
#include <string>
#include <string_view>

#include "relay/KeySequence.h"

namespace helmsway {

// The keys that `text` (UTF-8) stands for, or nothing when the text is not valid notation:
// a reserved character unescaped, an unknown or unclosed {name}, a control character, or
// bytes that are not UTF-8.
std::optional<KeySequence> parseKeystrokeText(std::string_view text);

// Whether a character is typed as itself: never a control character, a surrogate or a value
// past U+10FFFF. The parser refuses the others, and every shell types only these.
bool isTypeableCharacter(char32_t c);

// The keystroke text that types `literal` (UTF-8) exactly as it stands.
std::string escapeKeystrokeText(std::string_view literal);

// Decodes UTF-8 strictly (no overlongs, surrogates or values past U+10FFFF).
std::optional<std::u32string> decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

}  // namespace helmsway
