#pragma once
// The Win32 id of a control laid out in the core's tables, derived from its name and index so
// that a window, and any tool that drives it, agree without a table of their own.
#include "layout/Controls.h"

namespace helmsway::win32 {

// 1000 + 100 per control name + the array index (single controls have index -1).
constexpr int controlCommandId(ControlId id) {
    return 1000 + 100 * static_cast<int>(id.name) + id.index + 1;
}

}  // namespace helmsway::win32
