#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway::testing {
namespace {

TEST(KeystrokeNotation, ParsesWhatItAcceptsAndRejectsTheRestWhole) {
    struct Case {
        std::string text;
        std::optional<std::string> keys;  // as described by the recorder; nullopt: rejected
    };
    const std::vector<Case> cases{
        {"", ""},
        {"Stop{ENTER}{ENTER}", "Stop⏎⏎"},
        {"Goto 3~", "Goto 3⏎"},
        {"{enter}{Tab}{ESC}{escape}{BS}{BKSP}{BACKSPACE}", "⏎⇥⎋⎋⌫⌫⌫"},
        {"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", "+^%~(){}[]"},
        {"{a}{ }{é}", "a é"},
        {"ß é Æ @\"/\\_", "ß é Æ @\"/\\_"},
        {"😀", "😀"},
        {"a+b", std::nullopt},
        {"^c", std::nullopt},
        {"%f", std::nullopt},
        {"(x)", std::nullopt},
        {"[", std::nullopt},
        {"]", std::nullopt},
        {"}", std::nullopt},
        {"{", std::nullopt},
        {"{ENTER", std::nullopt},
        {"{}", std::nullopt},
        {"{ENTER 2}", std::nullopt},
        {"{F13}", std::nullopt},
        {"line\nbreak", std::nullopt},
        {"tab\there", std::nullopt},
        {"{\x7f}", std::nullopt},
        {"\xc2\x85", std::nullopt},          // C1 control
        {"\xff", std::nullopt},              // not UTF-8
        {"\xc3", std::nullopt},              // truncated sequence
        {"\xc0\xaf", std::nullopt},          // overlong
        {"\xed\xa0\x80", std::nullopt},      // surrogate
        {"\xf4\x90\x80\x80", std::nullopt},  // past U+10FFFF
    };
    for (const Case& c : cases) {
        const auto keys = parseKeystrokeText(c.text);
        ASSERT_EQ(keys.has_value(), c.keys.has_value()) << c.text;
        if (keys) {
            EXPECT_EQ(describe(*keys), *c.keys) << c.text;
        }
    }
}

// Any name, escaped and relayed with its Enter, parses back to exactly its characters.
TEST(KeystrokeNotation, EscapeThenParseGivesBackEveryPrintableName) {
    const std::u32string alphabet = U" aZ09+^%~(){}[]@\"/\\_ßéÆ{}ENTER船😀ÿ\u00a0\u200b\uFFFD";
    std::mt19937 random(20261206);
    for (int round = 0; round < 5000; ++round) {
        std::u32string name;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) name += alphabet[random() % alphabet.size()];
        const std::string utf8 = encodeUtf8(name);
        const auto keys = parseKeystrokeText(escapeKeystrokeText(utf8) + "{ENTER}{ENTER}");
        ASSERT_TRUE(keys.has_value()) << utf8;
        ASSERT_EQ(keys->size(), name.size() + 2) << utf8;
        for (std::size_t i = 0; i < name.size(); ++i)
            ASSERT_EQ((*keys)[i], (KeyAction{NamedKey::Character, name[i]})) << utf8;
        EXPECT_EQ(keys->back().key, NamedKey::Enter);
        EXPECT_EQ((*keys)[name.size()].key, NamedKey::Enter);
    }
}

TEST(KeystrokeNotation, Utf8RoundTripsEveryScalarValueClass) {
    for (const char32_t c : {U'\x01', U'A', U'\x7f', U'\x80', U'\x7ff', U'\x800', U'\xd7ff',
                             U'\xe000', U'\xffff', U'\x10000', U'\x10ffff'}) {
        const std::u32string text(1, c);
        EXPECT_EQ(decodeUtf8(encodeUtf8(text)), text) << static_cast<unsigned>(c);
    }
}

}  // namespace
}  // namespace helmsway::testing
