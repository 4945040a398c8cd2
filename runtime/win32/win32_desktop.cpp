// The message box and the URL opener on Windows.
#include "win32_internal.h"

#include <shellapi.h>  // after windows.h, which it needs

namespace toolkit {

// MB_TASKMODAL with no owner disables every top-level window of the thread while the box is up.
// When an ownerless box closes, the system may activate some other window (the windows of the
// thread are still disabled at that moment), which would leave the program without the keyboard;
// so the window that was active before gets the activation back.
MessageAnswer ShowMessageBox(GbkText text, MessageButtons, GbkText title, NativeWindow owner) {
    HWND was_active = GetActiveWindow();
    int closed_by = MessageBoxW(reinterpret_cast<HWND>(owner), win32::WideText(text).get(),
                                win32::WideText(title).get(), MB_OK | MB_TASKMODAL);
    if (was_active != nullptr && IsWindow(was_active) && GetForegroundWindow() != was_active) {
        SetForegroundWindow(was_active);  // refused only when another program took over meanwhile
    }
    return closed_by == 0 ? MessageAnswer::None : MessageAnswer::Ok;
}

// No window of the program owns the request: any message the opener shows is its own.
bool OpenUrl(const char* address) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace toolkit
