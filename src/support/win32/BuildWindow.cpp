// clang-format off
#include <windows.h>  // first: the other Win32 headers build on its types
#include <uxtheme.h>
// clang-format on

#include "support/win32/BuildWindow.h"

#include <algorithm>
#include <string>

#include "support/win32/ControlIds.h"
#include "support/win32/PictureElement.h"
#include "support/win32/ScreenMetrics.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

int commandIdOf(const ControlLayout& control, const KeyboardRoles& keyboard) {
    if (control.id() == keyboard.defaultButton) return IDOK;
    if (control.id() == keyboard.cancelButton) return IDCANCEL;
    return controlCommandId(control.id());
}

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t* windowClass,
                 const std::wstring& caption, DWORD style, const RECT& place, int id) {
    return CreateWindowExW(0, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND createControl(HWND parent, HINSTANCE instance, const ControlLayout& control, const RECT& place,
                   int id, bool isDefault, std::string_view windowIcon) {
    const std::wstring caption = widen(control.caption);
    switch (control.kind) {
    case ControlKind::PictureElement: {
        if (control.bitmap == windowIcon)
            return createChild(parent, instance, L"STATIC", caption, SS_OWNERDRAW, place, id);
        const HWND element = createPictureElement(parent, instance, place, id);
        setPicture(element, static_cast<HBITMAP>(LoadImageW(instance, widen(control.bitmap).c_str(),
                                                            IMAGE_BITMAP, 0, 0, 0)));
        return element;
    }
    case ControlKind::PushButton:
        return createChild(parent, instance, L"BUTTON", caption,
                           (control.tabIndex >= 0 ? WS_TABSTOP : 0) |
                               (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                           place, id);
    case ControlKind::Frame: {
        const HWND frame =
            createChild(parent, instance, L"BUTTON", caption, BS_GROUPBOX, place, id);
        // A themed group box draws its caption in the theme's colour and ignores the colour
        // set in WM_CTLCOLORSTATIC; unthemed, it uses ours. A blank (not empty) theme name is
        // what turns theming off for the one control everywhere.
        SetWindowTheme(frame, L" ", L" ");
        return frame;
    }
    case ControlKind::Label:
        return createChild(parent, instance, L"STATIC", caption, SS_LEFT | SS_NOPREFIX, place, id);
    case ControlKind::Line: break;
    }
    return nullptr;
}

}  // namespace

WindowChildren::~WindowChildren() {
    for (HFONT font : fonts_) DeleteObject(font);
}

void WindowChildren::build(HWND window, HINSTANCE instance, const WindowLayout& layout) {
    layout_ = &layout;
    std::vector<const ControlLayout*> controls;
    for (const ControlLayout& control : layout.controls) controls.push_back(&control);
    std::ranges::stable_sort(controls, {}, &ControlLayout::tabIndex);
    // The window's font, which the captions' places were sized for; the larger message font
    // of newer systems would cut the About texts short.
    const HFONT windowFont = createFont(layout.font);
    fonts_.push_back(windowFont);

    for (const ControlLayout* control : controls) {
        if (control->kind == ControlKind::Line) continue;
        // A frame's controls are the window's own children, placed at their absolute place: a
        // group box would swallow their clicks, and they lie wholly inside it anyway.
        const RECT place = toPixels(absolutePlace(layout.controls, *control));
        const HWND child =
            createControl(window, instance, *control, place, commandIdOf(*control, layout.keyboard),
                          control->id() == layout.keyboard.defaultButton, layout.icon);
        if (control->kind != ControlKind::PictureElement) {
            HFONT font = windowFont;
            if (!control->font.face.empty()) fonts_.push_back(font = createFont(control->font));
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        children_.push_back({control, child});
    }
    // A frame may come first in the tab order but must lie beneath its controls, or it would
    // paint over them.
    for (const Child& child : children_)
        if (child.layout->kind == ControlKind::Frame)
            SetWindowPos(child.window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::optional<ControlId> WindowChildren::commandControl(int id) const {
    if (id == IDOK) return layout_->keyboard.defaultButton;
    if (id == IDCANCEL) return layout_->keyboard.cancelButton;
    for (const Child& child : children_)
        if (controlCommandId(child.layout->id()) == id) return child.layout->id();
    return std::nullopt;
}

HWND WindowChildren::find(ControlId id) const {
    for (const Child& child : children_)
        if (child.layout->id() == id) return child.window;
    return nullptr;
}

void WindowChildren::giveFirstFocus() const {
    if (layout_->keyboard.firstFocus) SetFocus(find(*layout_->keyboard.firstFocus));
}

bool WindowChildren::setColours(HDC dc, HWND child) const {
    for (const Child& each : children_) {
        if (each.window != child) continue;
        SetTextColor(dc, colorRef(each.layout->foreground));
        SetBkColor(dc, colorRef(each.layout->background));
        return true;
    }
    return false;
}

void WindowChildren::paintLines(HDC dc) const {
    for (const ControlLayout& control : layout_->controls) {
        if (control.kind != ControlKind::Line) continue;
        const RECT line = toPixels(control.place);
        const HBRUSH brush = CreateSolidBrush(colorRef(control.foreground));
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
}

}  // namespace helmsway::win32
