#include "pictures/BitmapCheck.h"

#include <algorithm>
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
constexpr std::uint32_t kCoreHeader = 12;  // OS/2 1.x and Windows 2.x: 16-bit sizes, no compression
constexpr std::uint32_t kInfoHeader = 40;  // Windows 3.x; the later headers begin with it
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

struct Header {
    std::int64_t width;
    std::int64_t height;  // negative: the rows run top-down
    std::uint32_t planes;
    std::uint32_t bitsPerPixel;
    std::uint32_t compression;
    std::uint64_t colourTableEnd;  // where the masks and the palette end, from the file's start
};

// The information header, or a width of 0 when it is none that Windows or Qt would read.
Header readHeader(std::string_view bytes) {
    const std::uint32_t size = little(bytes, kFileHeader, 4);
    const std::uint64_t end = kFileHeader + std::uint64_t{size};
    if (size == kCoreHeader) {
        if (bytes.size() < end) return {};
        const std::uint32_t bits = little(bytes, 24, 2);
        const std::uint64_t colours = bits <= 8 ? std::uint64_t{1} << bits : 0;
        return {little(bytes, 18, 2), little(bytes, 20, 2), little(bytes, 22, 2), bits, kRgb,
                end + 3 * colours};
    }
    if (size < kInfoHeader || bytes.size() < end) return {};
    Header header{static_cast<std::int32_t>(little(bytes, 18, 4)),
                  static_cast<std::int32_t>(little(bytes, 22, 4)),
                  little(bytes, 26, 2),
                  little(bytes, 28, 2),
                  little(bytes, 30, 4),
                  end};
    // The three masks follow a 40-byte header; the later headers hold them.
    if (size == kInfoHeader && header.compression == kBitfields) header.colourTableEnd += 12;
    if (header.bitsPerPixel <= 8) {
        const std::uint64_t full = std::uint64_t{1} << header.bitsPerPixel;
        const std::uint32_t used = little(bytes, 46, 4);
        header.colourTableEnd += 4 * (used == 0 ? full : std::min<std::uint64_t>(used, full));
    }
    return header;
}

bool fitsCompression(const Header& header) {
    switch (header.compression) {
    case kRgb: return true;
    case kRle8: return header.bitsPerPixel == 8 && header.height > 0;
    case kRle4: return header.bitsPerPixel == 4 && header.height > 0;
    case kBitfields: return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
    default: return false;  // JPEG or PNG inside: neither loader shows them
    }
}

// A run-length coded picture has no fixed size: it is whole when its codes reach the
// end-of-picture mark, or the end of its last row, inside the file.
bool runLengthCodesComplete(std::string_view bytes, std::uint64_t at, const Header& header) {
    std::int64_t row = 0;
    while (at + 2 <= bytes.size()) {
        const auto count = static_cast<unsigned char>(bytes[at]);
        const auto code = static_cast<unsigned char>(bytes[at + 1]);
        at += 2;
        if (count != 0) continue;  // a run of one colour
        switch (code) {
        case 0: ++row; break;  // end of the row
        case 1: return true;   // end of the picture
        case 2:                // a jump right and down
            if (at + 2 > bytes.size()) return false;
            row += static_cast<unsigned char>(bytes[at + 1]);
            at += 2;
            break;
        default: {  // that many pixels stored as they are, padded to whole 16-bit words
            const std::uint64_t stored = header.compression == kRle8 ? code : (code + 1u) / 2;
            at += (stored + 1) & ~std::uint64_t{1};
            break;
        }
        }
        if (row >= header.height) return true;
    }
    return false;
}

// The pixels lie where the file header says; a writer that leaves that 0 puts them straight
// after the colour table.
std::uint64_t pixelsOffset(std::string_view bytes, const Header& header) {
    const std::uint32_t offset = little(bytes, 10, 4);
    return offset != 0 ? offset : header.colourTableEnd;
}

}  // namespace

bool isCompleteBitmap(std::string_view bytes) {
    if (bytes.size() < kFileHeader + 4 || bytes.substr(0, 2) != "BM") return false;
    const Header header = readHeader(bytes);
    if (header.width <= 0 || header.height == 0 || header.planes != 1) return false;
    switch (header.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return false;
    }
    if (!fitsCompression(header) || header.colourTableEnd > bytes.size()) return false;
    // The file header's own size field is not read: writers leave it 0 or wrong, and neither
    // loader looks at it.
    const std::uint64_t pixelsAt = pixelsOffset(bytes, header);
    if (pixelsAt > bytes.size()) return false;
    if (header.compression == kRle8 || header.compression == kRle4)
        return runLengthCodesComplete(bytes, pixelsAt, header);
    const std::uint64_t rowBytes =
        (static_cast<std::uint64_t>(header.width) * header.bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(header.height));
    return rows <= (bytes.size() - pixelsAt) / rowBytes;
}

std::size_t bitmapPixelsAt(std::string_view completeBitmap) {
    return static_cast<std::size_t>(pixelsOffset(completeBitmap, readHeader(completeBitmap)));
}

std::optional<std::string> readPictureFile(std::string_view file, const ReadProgramFile& read) {
    std::optional<std::string> bytes = read(file, kMaxPictureFileBytes);
    if (!bytes || bytes->size() > kMaxPictureFileBytes || !isCompleteBitmap(*bytes))
        return std::nullopt;
    return bytes;
}

}  // namespace helmsway
