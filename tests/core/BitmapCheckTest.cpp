#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "pictures/BitmapCheck.h"

namespace helmsway {
namespace {

void put(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// How a bitmap file is written: its information header's size (12 for OS/2, 40, 124 for the
// fifth Windows header), the pixel format, and the colour table's entries.
struct Format {
    int header = 40;
    int bits = 24;
    int width = 25;
    int height = 25;  // negative: top-down
    std::uint32_t compression = 0;
    int colours = 0;  // 0: the full table a depth of 8 bits or less has
};

// A file as a paint program writes it: file header, information header, masks for bit fields
// after a 40-byte header, colour table, rows padded to four bytes (or the run-length codes).
std::string bitmap(const Format& f, const std::string& codes = {}) {
    const bool core = f.header == 12;
    const int entries = f.bits > 8 ? 0 : f.colours != 0 ? f.colours : 1 << f.bits;
    const std::size_t table = (f.header == 40 && f.compression == 3 ? 12u : 0u) +
                              static_cast<std::size_t>(entries) * (core ? 3u : 4u);
    const std::size_t pixelsAt = 14 + static_cast<std::size_t>(f.header) + table;
    const std::size_t row = (static_cast<std::size_t>(f.width) * f.bits + 31) / 32 * 4;
    std::string bytes(
        pixelsAt + (codes.empty() ? row * static_cast<std::size_t>(std::abs(f.height)) : 0), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(bytes, 2, static_cast<std::uint32_t>(bytes.size() + codes.size()), 4);
    put(bytes, 10, static_cast<std::uint32_t>(pixelsAt), 4);
    put(bytes, 14, static_cast<std::uint32_t>(f.header), 4);
    const int field = core ? 2 : 4;
    put(bytes, 18, static_cast<std::uint32_t>(f.width), field);
    put(bytes, 18 + field, static_cast<std::uint32_t>(f.height), field);
    put(bytes, 18 + 2 * field, 1, 2);
    put(bytes, 20 + 2 * field, static_cast<std::uint32_t>(f.bits), 2);
    if (!core) {
        put(bytes, 30, f.compression, 4);
        put(bytes, 46, static_cast<std::uint32_t>(f.colours), 4);
    }
    return bytes + codes;
}

std::string with(std::string bytes, std::size_t at, std::uint32_t value, int size) {
    put(bytes, at, value, size);
    return bytes;
}

std::string cut(const std::string& bytes, std::size_t by) {
    return bytes.substr(0, bytes.size() - by);
}

TEST(BitmapCheck, TakesWhatTheLoadersReadAndRefusesWhatIsCutShort) {
    const std::string whole = bitmap({});
    // Four rows of a 4x4 picture, run-length coded: a run of four, end of row, then the end.
    std::string rle8;
    for (int i = 0; i < 4; ++i) rle8 += std::string("\x04\x07\x00\x00", 4);
    const std::string rle8End = rle8 + std::string("\x00\x01", 2);
    // Three pixels stored as they are (padded to a word), then a jump of one row down.
    const std::string rle4 = std::string("\x00\x03\x12\x30\x00\x02\x00\x01\x04\x55\x00\x00", 12) +
                             std::string("\x04\x55\x00\x00\x04\x55\x00\x01", 8);
    struct Case {
        const char* name;
        std::string bytes;
        bool whole;
    };
    const std::vector<Case> cases{
        {"24 bits, 25x25", whole, true},
        {"top-down", bitmap({.height = -13}), true},
        {"1 bit", bitmap({.bits = 1}), true},
        {"4 bits", bitmap({.bits = 4}), true},
        {"8 bits, 16 colours used", bitmap({.bits = 8, .colours = 16}), true},
        {"16 bits", bitmap({.bits = 16}), true},
        {"16 bits, bit fields", bitmap({.bits = 16, .compression = 3}), true},
        {"32 bits", bitmap({.bits = 32}), true},
        {"32 bits, fifth header with its masks",
         bitmap({.header = 124, .bits = 32, .compression = 3}), true},
        {"OS/2 header, 24 bits", bitmap({.header = 12}), true},
        {"OS/2 header, 8 bits", bitmap({.header = 12, .bits = 8}), true},
        {"run-length, 8 bits",
         bitmap({.bits = 8, .width = 4, .height = 4, .compression = 1}, rle8End), true},
        {"run-length, 8 bits, last row ended without the end mark",
         bitmap({.bits = 8, .width = 4, .height = 4, .compression = 1}, rle8), true},
        {"run-length, 4 bits, stored pixels and a jump",
         bitmap({.bits = 4, .width = 4, .height = 4, .compression = 2}, rle4), true},
        {"file size field left 0", with(whole, 2, 0, 4), true},
        {"pixel offset left 0", with(bitmap({.bits = 8}), 10, 0, 4), true},

        {"cut to half", whole.substr(0, whole.size() / 2), false},
        {"last byte missing", cut(whole, 1), false},
        {"top-down, last byte missing", cut(bitmap({.height = -13}), 1), false},
        {"OS/2 header, last byte missing", cut(bitmap({.header = 12, .bits = 8}), 1), false},
        {"colour table cut", bitmap({.bits = 8}).substr(0, 54 + 1000), false},
        {"OS/2 header cut", bitmap({.header = 12}).substr(0, 20), false},
        {"fifth header cut", bitmap({.header = 124, .bits = 32}).substr(0, 100), false},
        {"run-length codes cut",
         bitmap({.bits = 8, .width = 4, .height = 4, .compression = 1}, rle8.substr(0, 14)), false},
        {"stored pixels cut",
         bitmap({.bits = 4, .width = 4, .height = 4, .compression = 2}, rle4.substr(0, 3)), false},
        {"run-length at 24 bits", bitmap({.compression = 1}, rle8End), false},
        {"PNG inside", bitmap({.compression = 5}), false},
        {"bit fields at 24 bits", bitmap({.compression = 3}), false},
        {"unknown header size", with(whole, 14, 20, 4), false},
        {"two planes", with(whole, 26, 2, 2), false},
        {"no width", bitmap({.width = 0}), false},
        {"no height", bitmap({.height = 0}), false},
        {"23 bits a pixel", with(whole, 28, 23, 2), false},
        {"empty", "", false},
        {"text", "This is not a picture, only words standing in for one.\n", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isCompleteBitmap(c.bytes), c.whole) << c.name;
}

// A picture file is read with a ceiling of 16 MiB, and only a whole bitmap within it comes
// back; what the shell could not read stays unread.
TEST(PictureFile, OnlyAWholeBitmapOfAtMost16MiBIsRead) {
    const std::string whole = bitmap({});
    const struct {
        const char* file;
        std::optional<std::string> onDisk;
        bool read;
    } cases[] = {
        {"whole.bmp", whole, true},
        {"cut.bmp", cut(whole, 1), false},
        {"missing.bmp", std::nullopt, false},
        {"huge.bmp", bitmap({.width = 2048, .height = 2731}), false},  // 16 MiB and 2 KiB
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
