// GBK to UTF-8 with the C library's iconv, independent of the code under test, for comparing
// the program's GBK texts with the characters they must show.
#pragma once

#include <iconv.h>

#include <cstring>
#include <string>

inline std::string GbkToUtf8(const char* gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) return "<no GBK converter>";
    std::string in(gbk);
    std::string out(in.size() * 3 + 1, '\0');
    char* in_at = in.data();
    char* out_at = out.data();
    std::size_t in_left = in.size();
    std::size_t out_left = out.size();
    std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return "<not valid GBK>";
    out.resize(out.size() - out_left);
    return out;
}
