// Formatting for assertion messages; see describe.h.
#include "describe.h"

#include <cstdio>

std::string Hex(UINT_PTR value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(value));
    return text;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    return utf8;
}

std::string DescribeText(const std::wstring& text) {
    std::string described = "\"";
    described += Utf8(text);
    described += "\" {";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char unit[12];
        std::snprintf(unit, sizeof unit, "%sU+%04X", i == 0 ? "" : " ",
                      static_cast<unsigned>(text[i]));
        described += unit;
    }
    return described + "}";
}

std::string DescribeRect(const RECT& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "%ld, %ld, %ld x %ld", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top);
    return text;
}

std::string DescribeWindow(HWND window) {
    if (window == nullptr) return "(no window)";
    wchar_t class_name[64] = L"";
    wchar_t text[128] = L"";
    GetClassNameW(window, class_name, 64);
    GetWindowTextW(window, text, 128);
    std::string described = Hex(reinterpret_cast<UINT_PTR>(window));
    described += " class \"";
    described += Utf8(class_name);
    described += "\" text \"";
    described += Utf8(text);
    described += "\"";
    return described;
}

std::string DescribeBits(DWORD value, std::initializer_list<NamedBits> names) {
    std::string described;
    auto add = [&](const std::string& part) {
        described += (described.empty() ? "" : " | ") + part;
    };
    for (const NamedBits& named : names) {
        if (named.bits != 0 && (value & named.bits) == named.bits) {
            add(named.name);
            value &= ~named.bits;
        }
    }
    if (value != 0 || described.empty()) add(Hex(value));
    return described;
}
