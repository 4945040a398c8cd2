// Where the boxes of a window's title bar are on screen. The window itself is asked
// (WM_NCHITTEST) along its title bar, so a click lands on the close or minimise box whatever the
// frame metrics and the theme.
#pragma once

#include <optional>

#include "win32.h"

// The centre of the title-bar part with that hit-test code (HTCLOSE, HTMINBUTTON, HTCAPTION),
// or nothing if no point of the title bar answers with it.
std::optional<POINT> FindTitleBarPart(HWND window, LRESULT hit_code);
