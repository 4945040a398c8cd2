// The message box and the URL opener on Windows.
#include "win32_internal.h"

#include <shellapi.h>  // after windows.h, which it needs

namespace toolkit {

// MB_TASKMODAL with no owner disables every top-level window of the thread while the box is up.
MessageAnswer ShowMessageBox(GbkText text, MessageButtons, GbkText title, NativeWindow owner) {
    int closed_by = MessageBoxW(reinterpret_cast<HWND>(owner), win32::WideText(text).get(),
                                win32::WideText(title).get(), MB_OK | MB_TASKMODAL);
    return closed_by == 0 ? MessageAnswer::None : MessageAnswer::Ok;
}

// No window of the program owns the request: any message the opener shows is its own.
bool OpenUrl(const char* address) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace toolkit
