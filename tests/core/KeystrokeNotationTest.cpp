#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RecordingDesktop.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway::testing {
namespace {

TEST(KeystrokeNotation, ParsesWhatItAcceptsAndRejectsTheRestWhole) {
    // Texts, with their keys as the recorder shows them.
    const std::pair<std::string, std::string> accepted[] = {
        {"", ""},
        {"Stop{ENTER}{ENTER}", "Stop⏎⏎"},
        {"Goto 3~", "Goto 3⏎"},
        {"{enter}{Tab}{ESC}{escape}{BS}{BKSP}{BACKSPACE}", "⏎⇥⎋⎋⌫⌫⌫"},
        {"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", "+^%~(){}[]"},
        {"{a}{ }{é}", "a é"},
        {"ß é Æ @\"/\\_ 😀", "ß é Æ @\"/\\_ 😀"},
    };
    for (const auto& [text, keys] : accepted) {
        const auto parsed = parseKeystrokeText(text);
        EXPECT_EQ(parsed ? describe(*parsed) : "rejected", keys) << text;
    }
    for (const char* text : {"a+b", "^c", "%f", "(x)", "[", "]", "}", "{", "{ENTER", "{}",
                             "{ENTER 2}", "{F13}", "line\nbreak", "tab\there", "{\x7f}"})
        EXPECT_EQ(parseKeystrokeText(text), std::nullopt) << text;
}

// Strict UTF-8 at every edge: the first and last character of each length of sequence decode;
// overlongs, surrogates, values past U+10FFFF and sequences cut short do not.
TEST(KeystrokeNotation, Utf8IsDecodedStrictlyAtEveryEdge) {
    const std::vector<std::string> edges{"\x7f",         "\xc2\x80",         "\xdf\xbf",
                                         "\xe0\xa0\x80", "\xed\x9f\xbf",     "\xee\x80\x80",
                                         "\xef\xbf\xbf", "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf"};
    const std::u32string decoded = U"\x7f\x80\x7ff\x800\xd7ff\xe000\xffff\x10000\x10ffff";
    for (std::size_t i = 0; i < edges.size(); ++i)
        EXPECT_EQ(decodeUtf8(edges[i]), decoded.substr(i, 1)) << ::testing::PrintToString(edges[i]);
    std::string encoded;
    for (const std::string& bytes : edges) encoded += bytes;
    EXPECT_EQ(encodeUtf8(decoded), encoded);
    // Overlong in two, three and four bytes; surrogates; past U+10FFFF; cut short.
    std::vector<std::string> refused{
        "\xc0\x80",         "\xc1\xbf",     "\xe0\x80\x80", "\xe0\x9f\xbf", "\xf0\x80\x80\x80",
        "\xf0\x8f\xbf\xbf", "\xed\xa0\x80", "\xed\xaf\xbf", "\xed\xb0\x80", "\xed\xbf\xbf",
        "\xf4\x90\x80\x80", "\x80",         "\xe2\x82",     "\xf0\x9f\x98"};
    for (int lead = 0xF5; lead <= 0xFF; ++lead)
        refused.push_back(std::string(1, static_cast<char>(lead)) + "\x80\x80\x80");
    for (const std::string& bytes : refused)
        EXPECT_EQ(decodeUtf8(bytes), std::nullopt) << ::testing::PrintToString(bytes);
    // U+0080 to U+009F decode, but as C1 controls they are never typed; U+00A0 is.
    for (int low = 0x80; low <= 0x9F; ++low)
        EXPECT_EQ(parseKeystrokeText("\xc2" + std::string(1, static_cast<char>(low))), std::nullopt)
            << std::hex << low;
    EXPECT_EQ(describe(parseKeystrokeText("\xc2\xa0").value()), "\xc2\xa0");
}

}  // namespace
}  // namespace helmsway::testing
