#pragma once
// The core speaks UTF-8, Win32 speaks UTF-16; these two are the only crossing points.
#include <string>
#include <string_view>

namespace helmsway::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace helmsway::win32
