#pragma once
// A picture element: a child window that shows one bitmap unscaled from its top-left corner
// (cut off at the right and bottom edges) and takes every click as a push button does. A press
// and a release inside it are one click, reported to the parent as WM_COMMAND with BN_CLICKED;
// pressing and sliding off sends nothing. The class asks for no double clicks, so a quick
// second click is a press like any other and counts.
#include <windows.h>

#include <string_view>

namespace helmsway::win32 {

// Registers the class once; the background fills what the bitmap leaves uncovered.
bool registerPictureElementClass(HINSTANCE instance, COLORREF background);

HWND createPictureElement(HWND parent, HINSTANCE instance, const RECT& place, int id);

// A bitmap of the screen's format (as LoadImage makes from a file) made from the bytes of a
// whole bitmap file, the very bytes the core checked; nullptr when GDI refuses them.
HBITMAP bitmapFromFile(std::string_view fileBytes);

// The element owns the bitmap from now on and deletes the one it showed before.
void setPicture(HWND element, HBITMAP bitmap);

}  // namespace helmsway::win32
