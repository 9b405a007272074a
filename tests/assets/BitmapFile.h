#pragma once
// Reads the picture files the way the program's loaders see them: BMP headers and pixels, and
// the directory of an ICO file. Only what the asset tests need.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace helmsway::testing {

struct Pixel {
    std::uint8_t red, green, blue;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct BitmapFile {
    int infoSize = 0;  // 40: BITMAPINFOHEADER, the one header every loader knows
    int width = 0;
    int height = 0;             // positive: rows stored bottom-up
    std::vector<Pixel> pixels;  // top row first; empty unless 24 bits, uncompressed and whole

    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct IconImage {
    int width = 0, height = 0, bitsPerPixel = 0;
    bool hasAndMask = false;  // its header is twice as high as the image: XOR and AND bitmaps
};

std::optional<BitmapFile> readBitmap(const std::string& name);
std::optional<std::vector<IconImage>> readIcon(const std::string& name);

}  // namespace helmsway::testing
