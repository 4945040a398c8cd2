// What a toolkit backend reports to the core: one call per native event, after which the core
// owns the decision (which handler runs, whether the key is consumed, whether the loop ends).
#pragma once

#include "toolkit.h"

// A unit index of -1 means the window itself rather than one of its controls.
constexpr int NoUnit = -1;

enum class Key : std::uint8_t { Escape, Enter, Tab, Character, Other };

struct KeyPress {
    Key key;
    char character;  // for Key::Character: 'A'..'Z' or '0'..'9'
    bool ctrl, shift, alt;
};

namespace input {

void UnitClicked(OpenWindow* window, int unit_index);
void CloseRequested(OpenWindow* window);
void WindowDestroyed(OpenWindow* window);

// A key-down meant for the window or one of its controls, before dispatch. True: the window
// consumed it and the backend must not dispatch it.
bool KeyDown(OpenWindow* window, int focused_unit, const KeyPress& key);

// The window itself received the keyboard focus; the core passes it on to a control.
void FocusGained(OpenWindow* window);

// The window is losing activation while `focused_unit` holds the focus; restored on return.
void FocusLost(OpenWindow* window, int focused_unit);

}  // namespace input
