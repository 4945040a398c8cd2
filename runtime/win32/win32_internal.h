// What the Win32 backend's files share: the form window class, the way from a window handle to
// the core's record, text conversion and the program icons.
#pragma once

// Wide by default: every text crosses as UTF-16 (see WideText).
#ifndef UNICODE
#define UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "runtime/input.h"

namespace win32 {

constexpr const wchar_t* FormWindowClass = L"FormWindow";

// Extra window bytes of the form class: the background colour, read at each paint, and the
// window's font, which a window of an own class must keep itself to answer WM_GETFONT.
constexpr int BackgroundColourSlot = 0;
constexpr int FontSlot = sizeof(LONG);
constexpr int FormWindowExtraBytes = sizeof(LONG) + sizeof(LONG_PTR);

bool RegisterFormWindowClass();
void UnregisterFormWindowClass();

// The core's record behind a window of the form class; nullptr for any other window.
OpenWindow* CoreWindowOf(HWND window);

// The unit index of a control of `window`, or NoUnit when `control` is not one of its children.
int UnitOfControl(HWND window, HWND control);

// Loaded once, on first use, and kept until the runtime stops; nullptr without the resource.
struct ProgramIcons {
    HICON large;
    HICON small;
};
const ProgramIcons& LoadProgramIcons();
void ReleaseProgramIcons();

// A GBK text converted to UTF-16 for the W functions, so it reads the same on every locale.
class WideText {
  public:
    explicit WideText(const char* gbk);
    const wchar_t* get() const { return text_; }

  private:
    wchar_t text_[1024];
};

}  // namespace win32
