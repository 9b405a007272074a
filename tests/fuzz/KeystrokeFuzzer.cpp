// Fuzzes the keystroke notation with two inputs in one: the bytes as a keystroke text, which
// must parse or be refused without a crash or undefined behaviour, and the same bytes as a ship
// name, which escapes into a text that parses back to exactly its characters and one Enter,
// unless it holds a control character (C0, DEL or C1), which refuses the whole text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "relay/KeystrokeNotation.h"

using namespace helmsway;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)parseKeystrokeText(bytes);

    const auto name = decodeUtf8(bytes);
    if (!name) return 0;
    bool control = false;
    for (const char32_t c : *name) control = control || c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const auto keys = parseKeystrokeText(escapeKeystrokeText(bytes) + "{ENTER}");
    if (keys.has_value() == control) std::abort();
    if (!keys) return 0;
    if (keys->size() != name->size() + 1 || keys->back().key != NamedKey::Enter) std::abort();
    for (std::size_t i = 0; i < name->size(); ++i)
        if ((*keys)[i] != KeyAction{NamedKey::Character, (*name)[i]}) std::abort();
    return 0;
}
