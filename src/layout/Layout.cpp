#include "layout/Layout.h"

namespace helmsway {

const ControlLayout* findControl(std::span<const ControlLayout> controls, ControlId id) {
    for (const ControlLayout& control : controls)
        if (control.id() == id) return &control;
    return nullptr;
}

TwipsRect absolutePlace(std::span<const ControlLayout> window, const ControlLayout& control) {
    if (!control.insideFrame()) return control.place;
    const TwipsRect frame = findControl(window, {control.parent})->place;
    return {frame.left + control.place.left, frame.top + control.place.top, control.place.width,
            control.place.height};
}

}  // namespace helmsway
