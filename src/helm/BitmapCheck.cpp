#include "helm/BitmapCheck.h"

#include <cstdint>
#include <cstdlib>

namespace helmsway {
namespace {

std::uint32_t little(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitfields = 3;

}  // namespace

bool isCompleteBitmap(std::string_view bytes) {
    if (bytes.size() < kFileHeader + 40 || bytes.substr(0, 2) != "BM") return false;
    const std::uint32_t fileSize = little(bytes, 2, 4);
    const std::uint32_t pixelsAt = little(bytes, 10, 4);
    const std::uint32_t infoSize = little(bytes, 14, 4);
    if (infoSize < 40 || fileSize > bytes.size() || pixelsAt >= bytes.size()) return false;
    const auto width = static_cast<std::int32_t>(little(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(little(bytes, 22, 4));
    const std::uint32_t bitsPerPixel = little(bytes, 28, 2);
    const std::uint32_t compression = little(bytes, 30, 4);
    if (width <= 0 || height == 0) return false;
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return false;
    }
    // Run-length coded rows have no fixed size; the file-size check above is all there is.
    if (compression != kRgb && compression != kBitfields) return true;
    const std::uint64_t rowBytes =
        (std::uint64_t{static_cast<std::uint32_t>(width)} * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(std::int64_t{height}));
    return pixelsAt + rowBytes * rows <= bytes.size();
}

}  // namespace helmsway
