// The program icon "DEFAULT_ICON", at the two sizes a window shows. Without the resource both
// stay null and windows show the system's default icon.
#include "win32_internal.h"

namespace win32 {
namespace {

ProgramIcons icons{};
bool icons_loaded = false;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

}  // namespace

const ProgramIcons& LoadProgramIcons() {
    if (!icons_loaded) {
        icons = {.large = LoadProgramIcon(32), .small = LoadProgramIcon(16)};
        icons_loaded = true;
    }
    return icons;
}

// Windows never own these icons; they go with the runtime, after the last window.
void ReleaseProgramIcons() {
    if (icons.large != nullptr) DestroyIcon(icons.large);
    if (icons.small != nullptr) DestroyIcon(icons.small);
    icons = {};
    icons_loaded = false;
}

}  // namespace win32
