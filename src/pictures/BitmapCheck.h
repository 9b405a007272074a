#pragma once
// Whether a picture file's bytes are a whole Windows bitmap. Image loaders are lenient: a
// bitmap cut short loads with its missing rows filled in, and a handler would carry on as if
// the picture were fine. The shells read a file through readPictureFile, which checks it
// before they decode it, so a damaged file is a failed step like a missing one. Every bitmap that
// Windows' and Qt's loaders both read passes: the 12-byte OS/2 header and the Windows headers, 1,
// 4, 8, 16, 24 and 32 bits a pixel, bottom-up and top-down rows, run-length coding and bit fields.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace helmsway {

bool isCompleteBitmap(std::string_view fileBytes);

// Where the pixels of a whole bitmap's file begin, counted from its first byte.
std::size_t bitmapPixelsAt(std::string_view completeBitmap);

// The most a picture file may hold. The helm's pictures take a few kilobytes; a file beyond
// this is no picture of ours, and is refused without being read whole.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{16} << 20;

// The shell's part, the one thing only it can do: the bytes of the named file in the
// program's own folder, read whole; nothing when it is missing, cannot be read or holds more
// than `limit` bytes.
using ReadProgramFile =
    std::function<std::optional<std::string>(std::string_view file, std::size_t limit)>;

// A run-time picture file's bytes, read anew, when they are a whole bitmap of at most
// kMaxPictureFileBytes; nothing otherwise.
std::optional<std::string> readPictureFile(std::string_view file, const ReadProgramFile& read);

}  // namespace helmsway
