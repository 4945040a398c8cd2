// Locating title-bar parts by hit testing; see title_bar.h.
#include "title_bar.h"

#include "polling.h"

namespace {

LRESULT HitTest(HWND window, POINT screen_point) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(screen_point.x, screen_point.y),
                        SMTO_NORMAL, static_cast<UINT>(polling::ActionDeadline.count()), &hit);
    return static_cast<LRESULT>(hit);
}

// The middle of the run of positions from `first` to `last` (inclusive) where `at(position)`
// answers `hit_code`; the first run only.
template <typename At>
std::optional<LONG> MiddleOfRun(LONG first, LONG last, LRESULT hit_code, At at) {
    std::optional<LONG> start;
    LONG end = first;
    for (LONG position = first; position <= last; ++position) {
        if (at(position) == hit_code) {
            if (!start) start = position;
            end = position;
        } else if (start) {
            break;
        }
    }
    if (!start) return std::nullopt;
    return (*start + end) / 2;
}

}  // namespace

std::optional<POINT> FindTitleBarPart(HWND window, LRESULT hit_code) {
    RECT outer{};
    POINT client_origin{0, 0};
    if (!GetWindowRect(window, &outer) || !ClientToScreen(window, &client_origin)) {
        return std::nullopt;
    }
    // Between the outer top edge and the client area lie the frame and the title bar.
    LONG row = (outer.top + client_origin.y) / 2;
    auto x = MiddleOfRun(outer.left, outer.right - 1, hit_code,
                         [&](LONG at) { return HitTest(window, {at, row}); });
    if (!x) return std::nullopt;
    auto y = MiddleOfRun(outer.top, client_origin.y - 1, hit_code,
                         [&](LONG at) { return HitTest(window, {*x, at}); });
    if (!y) return std::nullopt;
    return POINT{*x, *y};
}
