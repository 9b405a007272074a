#include "relay/KeystrokeNotation.h"

#include <array>

namespace helmsway {
namespace {

constexpr std::u32string_view kReserved = U"+^%~(){}[]";

bool isReserved(char32_t c) { return kReserved.find(c) != std::u32string_view::npos; }

std::optional<NamedKey> namedKey(std::u32string_view name) {
    struct Entry {
        std::u32string_view name;
        NamedKey key;
    };
    static constexpr std::array<Entry, 7> kNames{{
        {U"ENTER", NamedKey::Enter},
        {U"TAB", NamedKey::Tab},
        {U"ESC", NamedKey::Escape},
        {U"ESCAPE", NamedKey::Escape},
        {U"BACKSPACE", NamedKey::Backspace},
        {U"BS", NamedKey::Backspace},
        {U"BKSP", NamedKey::Backspace},
    }};
    for (const auto& entry : kNames)
        if (entry.name.size() == name.size()) {
            bool same = true;
            for (std::size_t i = 0; i < name.size() && same; ++i) {
                const char32_t c = name[i] >= U'a' && name[i] <= U'z' ? name[i] - 32 : name[i];
                same = c == entry.name[i];
            }
            if (same) return entry.key;
        }
    return std::nullopt;
}

}  // namespace

// Control characters would act as keys of their own in the game window (a newline sending
// half a command), so they are never typed as characters.
bool isTypeableCharacter(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return !control && !surrogate && c <= 0x10FFFF;
}

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, min = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size() && extra > 0) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (cont & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::optional<KeySequence> parseKeystrokeText(std::string_view text) {
    const auto decoded = decodeUtf8(text);
    if (!decoded) return std::nullopt;
    const std::u32string_view s = *decoded;
    KeySequence keys;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (c == U'~') {
            keys.push_back({NamedKey::Enter, 0});
        } else if (c == U'{') {
            // "{c}" for any one character, "}" included ("{}}"); otherwise "{NAME}".
            if (i + 2 < s.size() && s[i + 2] == U'}') {
                if (!isTypeableCharacter(s[i + 1])) return std::nullopt;
                keys.push_back({NamedKey::Character, s[i + 1]});
                i += 2;
                continue;
            }
            const std::size_t close = s.find(U'}', i + 1);
            if (close == std::u32string_view::npos) return std::nullopt;
            const auto key = namedKey(s.substr(i + 1, close - i - 1));
            if (!key) return std::nullopt;
            keys.push_back({*key, 0});
            i = close;
        } else if (isReserved(c) || !isTypeableCharacter(c)) {
            return std::nullopt;
        } else {
            keys.push_back({NamedKey::Character, c});
        }
    }
    return keys;
}

std::string escapeKeystrokeText(std::string_view literal) {
    std::string out;
    out.reserve(literal.size());
    for (const char c : literal) {
        // Reserved characters are all ASCII, so UTF-8 sequences pass through byte by byte.
        if (c >= 0 && isReserved(static_cast<char32_t>(c))) {
            out += '{';
            out += c;
            out += '}';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace helmsway
