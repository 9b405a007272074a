#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "helm/BitmapCheck.h"

namespace helmsway {
namespace {

void put(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bitmap file as a paint program writes it: 14-byte file header, 40-byte info header,
// rows padded to four bytes.
std::string bitmap(int width, int height, int bits, std::uint32_t compression = 0) {
    const std::size_t row = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    std::string bytes(54 + row * static_cast<std::size_t>(std::abs(height)), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    put(bytes, 10, 54, 4);
    put(bytes, 14, 40, 4);
    put(bytes, 18, static_cast<std::uint32_t>(width), 4);
    put(bytes, 22, static_cast<std::uint32_t>(height), 4);
    put(bytes, 26, 1, 2);
    put(bytes, 28, static_cast<std::uint32_t>(bits), 2);
    put(bytes, 30, compression, 4);
    return bytes;
}

TEST(BitmapCheck, WholeBitmapsPassAndDamagedOnesFail) {
    const std::string whole = bitmap(25, 25, 24);
    std::string sizeClaimsMore = whole;
    put(sizeClaimsMore, 2, static_cast<std::uint32_t>(whole.size() + 1), 4);
    std::string sizeFieldLies = whole.substr(0, whole.size() - 4);
    put(sizeFieldLies, 2, static_cast<std::uint32_t>(sizeFieldLies.size()), 4);
    std::string oddDepth = whole;
    put(oddDepth, 28, 23, 2);
    struct Case {
        std::string name;
        std::string bytes;
        bool whole;
    };
    const std::vector<Case> cases{
        {"24-bit 25x25", whole, true},
        {"24-bit 28x25, rows padded", bitmap(28, 25, 24), true},
        {"top-down", bitmap(49, -13, 24), true},
        {"8-bit", bitmap(16, 16, 8), true},
        {"run-length coded", bitmap(16, 16, 8, 1), true},
        {"cut to half", whole.substr(0, whole.size() / 2), false},
        {"last byte missing", whole.substr(0, whole.size() - 1), false},
        {"header says longer", sizeClaimsMore, false},
        {"pixels cut, size field adjusted", sizeFieldLies, false},
        {"header only", whole.substr(0, 54), false},
        {"empty", "", false},
        {"text", "This is not a picture, only words standing in for one.\n", false},
        {"no width", bitmap(0, 25, 24), false},
        {"no height", bitmap(25, 0, 24), false},
        {"23 bits a pixel", oddDepth, false},
    };
    for (const Case& c : cases) EXPECT_EQ(isCompleteBitmap(c.bytes), c.whole) << c.name;
}

}  // namespace
}  // namespace helmsway
