#include "BitmapFile.h"

#include <fstream>
#include <iterator>

namespace helmsway::testing {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
}

int i32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<int>(static_cast<std::int32_t>(u32(b, at)));
}

int u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

std::optional<std::vector<std::uint8_t>> readAsset(const std::string& name) {
    std::ifstream in(std::string(HELMSWAY_ASSETS_DIR) + "/" + name, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::optional<BitmapFile> readBitmap(const std::string& name) {
    const auto bytes = readAsset(name);
    if (!bytes || bytes->size() < 54 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M')
        return std::nullopt;
    const auto& b = *bytes;
    BitmapFile bmp{i32(b, 14), i32(b, 18), i32(b, 22), {}};
    if (u16(b, 28) != 24 || i32(b, 30) != 0 || bmp.width <= 0 || bmp.height <= 0) return bmp;
    const std::size_t offset = u32(b, 10);
    const std::size_t stride = (3 * static_cast<std::size_t>(bmp.width) + 3) & ~std::size_t{3};
    if (offset + stride * static_cast<std::size_t>(bmp.height) > b.size()) return bmp;
    for (int y = bmp.height - 1; y >= 0; --y)
        for (std::size_t x = 0; x < static_cast<std::size_t>(bmp.width); ++x) {
            const std::size_t at = offset + static_cast<std::size_t>(y) * stride + 3 * x;
            bmp.pixels.push_back({b[at + 2], b[at + 1], b[at]});
        }
    return bmp;
}

std::optional<std::vector<IconImage>> readIcon(const std::string& name) {
    const auto bytes = readAsset(name);
    if (!bytes || bytes->size() < 6 || u16(*bytes, 0) != 0 || u16(*bytes, 2) != 1)
        return std::nullopt;
    const auto& b = *bytes;
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < static_cast<std::size_t>(u16(b, 4)); ++i) {
        const std::size_t entry = 6 + 16 * i;
        if (entry + 16 > b.size()) return std::nullopt;
        const std::size_t size = u32(b, entry + 8), at = u32(b, entry + 12);
        if (at + 40 > b.size() || at + size > b.size()) return std::nullopt;
        const int width = b[entry] ? b[entry] : 256;
        const int height = b[entry + 1] ? b[entry + 1] : 256;
        // The entry and the image's own header must agree, or Windows picks the wrong one.
        if (i32(b, at + 4) != width || u16(b, at + 14) != u16(b, entry + 6)) return std::nullopt;
        const int bpp = u16(b, at + 14);
        const std::size_t xorStride = ((static_cast<std::size_t>(width * bpp) + 31) / 32) * 4;
        const std::size_t andStride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
        const std::size_t expected = 40 + (std::size_t{4} << bpp) +
                                     (xorStride + andStride) * static_cast<std::size_t>(height);
        images.push_back({width, height, bpp, i32(b, at + 8) == 2 * height && size == expected});
    }
    return images;
}

}  // namespace helmsway::testing
