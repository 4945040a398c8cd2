// Text for assertion messages: Windows values written the way a reader compares them.
#pragma once

#include <initializer_list>
#include <string>

#include "win32.h"

std::string Hex(UINT_PTR value);
std::string Utf8(const std::wstring& text);
// The UTF-16 code units too, so a wrong character is visible even where the console cannot
// show it: "载入" {U+8F7D U+5165}.
std::string DescribeText(const std::wstring& text);
std::string DescribeRect(const RECT& rect);  // "left, top, width x height"
std::string DescribeWindow(HWND window);     // handle, class and text

// Style bits by name, e.g. "WS_CAPTION | WS_SYSMENU | 0x00000004"; bits without a name in
// `names` are shown in hex.
struct NamedBits {
    DWORD bits;
    const char* name;
};
std::string DescribeBits(DWORD value, std::initializer_list<NamedBits> names);
