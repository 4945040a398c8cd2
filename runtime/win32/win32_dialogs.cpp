// Boxes the runtime shows on Windows.
#include "win32_internal.h"

namespace toolkit {

void ShowFatalError(GbkText title, GbkText message) {
    // The box's result is ignored: it has only OK, and the process ends after it either way.
    MessageBoxW(nullptr, win32::WideText(message).get(), win32::WideText(title).get(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace toolkit
