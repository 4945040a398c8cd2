// The Win32 backend's own resources for the run, and the primary screen.
#include "win32_internal.h"

namespace toolkit {

bool Start() { return win32::RegisterFormWindowClass(); }

void Stop() {
    win32::UnregisterFormWindowClass();
    win32::ReleaseProgramIcons();
}

Size PrimaryScreenSize() {
    return {.width = GetSystemMetrics(SM_CXSCREEN), .height = GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace toolkit
