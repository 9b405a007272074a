#pragma once
// Whether a picture file's bytes are a whole Windows bitmap. Image loaders are lenient: a
// bitmap cut short loads with its missing rows filled in, and a handler would carry on as if
// the picture were fine. The shells check a file with this before they decode it, so a
// damaged file is a failed step like a missing one. Every bitmap that Windows' and Qt's
// loaders both read passes: the 12-byte OS/2 header and the Windows headers, 1, 4, 8, 16, 24
// and 32 bits a pixel, bottom-up and top-down rows, run-length coding and bit fields.
#include <string_view>

namespace helmsway {

bool isCompleteBitmap(std::string_view fileBytes);

}  // namespace helmsway
