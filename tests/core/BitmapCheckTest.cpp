// The picture check against bitmaps that ImageMagick wrote (tests/pictures), whole and with
// the damage and the quirks other writers leave in them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "pictures/BitmapCheck.h"

namespace helmsway {
namespace {

std::string written(const std::string& name) {
    std::ifstream file(std::string(HELMSWAY_TEST_PICTURES) + "/" + name + ".bmp", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::uint32_t field(const std::string& bytes, std::size_t at, int size = 4) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

std::string with(std::string bytes, std::size_t at, std::uint32_t value, int size = 4) {
    std::string little;
    for (int i = 0; i < size; ++i) little += static_cast<char>(value >> (8 * i));
    return bytes.replace(at, little.size(), little);
}

std::string cut(const std::string& bytes, std::size_t by) {
    return bytes.substr(0, bytes.size() - by);
}

// Every kind ImageMagick writes is taken whole and refused without its last byte (a
// run-length coded one without the last row's codes). The kinds are checked first: another
// ImageMagick might write another header, and the cases would then test something else.
TEST(BitmapCheck, TakesEveryKindWholeAndRefusesItCutShort) {
    const struct {
        const char* name;
        std::uint32_t header, bits, compression;
    } kKinds[] = {
        {"os2-24", 12, 24, 0}, {"os2-8", 12, 8, 0},   {"1", 40, 1, 0},   {"4", 40, 4, 0},
        {"8", 40, 8, 0},       {"rle8", 40, 8, 1},    {"24", 40, 24, 0}, {"32", 40, 32, 0},
        {"v5-16", 124, 16, 3}, {"v5-32", 124, 32, 3},
    };
    for (const auto& kind : kKinds) {
        const std::string bytes = written(kind.name);
        ASSERT_GT(bytes.size(), 54U) << kind.name;
        const bool os2 = kind.header == 12;
        EXPECT_EQ(field(bytes, 14), kind.header) << kind.name;
        EXPECT_EQ(field(bytes, os2 ? 24 : 28, 2), kind.bits) << kind.name;
        EXPECT_EQ(os2 ? 0 : field(bytes, 30), kind.compression) << kind.name;
        EXPECT_TRUE(isCompleteBitmap(bytes)) << kind.name;
        EXPECT_FALSE(isCompleteBitmap(cut(bytes, kind.compression == 1 ? 3 : 1))) << kind.name;
    }
}

TEST(BitmapCheck, TakesWhatOtherWritersLeaveAndRefusesWhatNoLoaderReads) {
    const std::string plain = written("24"), palette = written("8"), rle8 = written("rle8");
    // A palette of only the 16 colours used, as other writers store it.
    const std::string trimmed =
        with(with(palette, 46, 16), 10, 54 + 64).substr(0, 54 + 64) + palette.substr(54 + 1024);
    // Four bits run-length coded: five pixels stored as they are (three bytes, padded to a
    // word) and the end of their row, then a jump 24 rows down, past the last, or the end of
    // the picture.
    const std::string four = written("4");
    const std::string rle4 = with(four, 30, 2).substr(0, field(four, 10)) +
                             std::string("\x00\x05\x12\x34\x50\x00\x00\x00", 8);
    const struct {
        const char* what;
        std::string bytes;
        bool whole;
    } kCases[] = {
        {"top-down", with(plain, 22, static_cast<std::uint32_t>(-25)), true},
        {"palette of the colours used only", trimmed, true},
        {"file size field left 0", with(plain, 2, 0), true},
        {"pixel offset left 0", with(palette, 10, 0), true},
        {"run-length, last row ended without the end mark", cut(rle8, 2), true},
        {"run-length, 4 bits, stored pixels and a jump", rle4 + std::string("\0\2\0\x18", 4), true},
        {"run-length, 4 bits, ended early", rle4 + std::string("\0\1", 2), true},
        {"OS/2 header, pixel offset left 0", with(written("os2-8"), 10, 0), true},

        {"top-down, last byte missing", cut(with(plain, 22, static_cast<std::uint32_t>(-25)), 1),
         false},
        {"colour table cut", palette.substr(0, 54 + 1000), false},
        {"OS/2 header cut", written("os2-24").substr(0, 20), false},
        {"fifth header cut", written("v5-32").substr(0, 100), false},
        {"run-length codes cut", rle8.substr(0, field(rle8, 10) + 40), false},
        {"stored pixels cut", cut(rle4, 5), false},
        {"run-length, top-down", with(rle8, 22, static_cast<std::uint32_t>(-25)), false},
        {"run-length 4 at 8 bits", with(rle8, 30, 2), false},
        {"run-length at 24 bits", with(plain, 30, 1), false},
        {"PNG inside", with(plain, 30, 5), false},
        {"bit fields at 24 bits", with(plain, 30, 3), false},
        {"unknown header size", with(plain, 14, 20), false},
        {"two planes", with(plain, 26, 2, 2), false},
        {"no width", with(plain, 18, 0), false},
        {"no height", with(plain, 22, 0), false},
        {"23 bits a pixel", with(plain, 28, 23, 2), false},
        {"empty", "", false},
        {"text", "This is not a picture, only words standing in for one.\n", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(isCompleteBitmap(c.bytes), c.whole) << c.what;
    // Where a writer left the offset 0, the pixels follow the colour table.
    EXPECT_EQ(bitmapPixelsAt(with(palette, 10, 0)), 54U + 1024);
}

// A picture file is read with a ceiling of 16 MiB, and only a whole bitmap within it comes
// back; what the shell could not read stays unread.
TEST(PictureFile, OnlyAWholeBitmapOfAtMost16MiBIsRead) {
    const std::string whole = written("24");
    // 2048 x 2731 pixels of 24 bits: 16 MiB and 2 KiB.
    std::string huge = whole.substr(0, 54);
    huge.resize(huge.size() + std::size_t{2048} * 3 * 2731);
    huge = with(with(huge, 18, 2048), 22, 2731);
    const struct {
        const char* file;
        std::optional<std::string> onDisk;
        bool read;
    } cases[] = {
        {"whole.bmp", whole, true},
        {"cut.bmp", cut(whole, 1), false},
        {"missing.bmp", std::nullopt, false},
        {"huge.bmp", huge, false},
    };
    for (const auto& c : cases) {
        std::size_t limit = 0;
        const auto result = readPictureFile(c.file, [&](std::string_view file, std::size_t l) {
            EXPECT_EQ(file, c.file);
            limit = l;
            return c.onDisk;  // a shell that ignores the limit
        });
        EXPECT_EQ(limit, 16U * 1024 * 1024) << c.file;
        EXPECT_EQ(result, c.read ? c.onDisk : std::nullopt) << c.file;
    }
}

}  // namespace
}  // namespace helmsway
