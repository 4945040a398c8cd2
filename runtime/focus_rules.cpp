// Where the keyboard focus goes: a window never keeps the focus itself but passes it to the
// control that last had it, or else to its first tab stop.
#include "internal.h"

namespace runtime {

bool CanTakeFocus(const OpenWindow& window, int unit_index) {
    if (unit_index <= 0 || unit_index >= UnitCount(window)) return false;
    const UnitSettings& unit = UnitAt(window, unit_index).unit;
    return unit.visible && !unit.disabled;
}

namespace {

bool IsTabStop(const OpenWindow& window, int unit_index) {
    return CanTakeFocus(window, unit_index) && UnitAt(window, unit_index).unit.tab_stop;
}

// Tab order first, form order among equal tab orders.
bool ComesBefore(const OpenWindow& window, int a, int b) {
    int order_a = UnitAt(window, a).unit.tab_order;
    int order_b = UnitAt(window, b).unit.tab_order;
    return order_a != order_b ? order_a < order_b : a < b;
}

}  // namespace

int NextTabStop(const OpenWindow& window, int from, bool backwards) {
    auto precedes = [&](int a, int b) {
        return backwards ? ComesBefore(window, b, a) : ComesBefore(window, a, b);
    };
    // The nearest stop past `from` in the chosen direction, else the first one (wrap-around).
    int nearest = NoUnit;
    int first = NoUnit;
    for (int i = 1; i < UnitCount(window); ++i) {
        if (!IsTabStop(window, i)) continue;
        if (first == NoUnit || precedes(i, first)) first = i;
        bool past_from = from != NoUnit && from != i && precedes(from, i);
        if (past_from && (nearest == NoUnit || precedes(i, nearest))) nearest = i;
    }
    return nearest != NoUnit ? nearest : first;
}

}  // namespace runtime

namespace input {

void FocusGained(OpenWindow* window) {
    int target = window->restore_focus_to;
    if (!runtime::CanTakeFocus(*window, target)) target = runtime::NextTabStop(*window, NoUnit, false);
    if (target != NoUnit) toolkit::FocusControl(window->controls[static_cast<std::size_t>(target)]);
}

void FocusLost(OpenWindow* window, int focused_unit) { window->restore_focus_to = focused_unit; }

}  // namespace input
