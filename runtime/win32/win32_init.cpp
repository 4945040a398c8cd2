// The Win32 backend's own resources for the run, and the primary screen.
#include "win32_internal.h"

#include <objbase.h>  // after windows.h, which it needs

namespace {

// The URL opener may hand its request to shell extensions, which expect COM to be initialised
// on the calling thread. Without COM the opener still works for plain addresses, so a failure
// here is not fatal.
bool com_initialised = false;

}  // namespace

namespace toolkit {

bool Start() {
    com_initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    return win32::RegisterFormWindowClass();
}

void Stop() {
    win32::UnregisterFormWindowClass();
    win32::ReleaseProgramIcons();
    if (com_initialised) CoUninitialize();
    com_initialised = false;
}

Size PrimaryScreenSize() {
    return {.width = GetSystemMetrics(SM_CXSCREEN), .height = GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace toolkit
