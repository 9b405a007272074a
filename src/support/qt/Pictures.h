#pragma once
// The pictures that are part of the windows (embedded in the executable) and those that the
// handlers load from the program's directory at run time.
#include <QIcon>
#include <QPixmap>
#include <optional>
#include <string_view>

#include "layout/Layout.h"

namespace helmsway::qt {

// A laid-out picture by its asset name; an icon is rendered at `size`.
QPixmap laidOutPicture(std::string_view name, PixelSize size);

// An icon by its asset name, with every image its file holds.
QIcon iconPicture(std::string_view name);

// Loads <program dir>/<file> anew; nothing when it is missing or not a picture.
std::optional<QPixmap> loadRuntimePicture(std::string_view file);

}  // namespace helmsway::qt
