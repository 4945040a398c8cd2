// GBK to UTF-16 at the edge of the W functions. Converting from code page 936 explicitly, not the
// system's ANSI code page, is what keeps the Chinese texts intact on non-Chinese locales.
#include "win32_internal.h"

namespace win32 {

constexpr UINT GbkCodePage = 936;

WideText::WideText(const char* gbk) {
    int length = MultiByteToWideChar(GbkCodePage, 0, gbk != nullptr ? gbk : "", -1, text_,
                                     static_cast<int>(sizeof text_ / sizeof text_[0]));
    // Texts are the program's own constants, all far shorter than the buffer; a failure would
    // leave the buffer undefined, so show nothing rather than garbage.
    if (length == 0) text_[0] = L'\0';
}

}  // namespace win32
