// The window's keyboard rules, applied to each key-down before it is dispatched: Esc closes,
// Enter presses a default button, Tab moves the focus, Alt with a letter or digit presses the
// unit whose caption marks it. Push buttons claim no key, so every key-down reaches these rules.
#include "internal.h"

namespace runtime {
namespace {

bool IsAlone(const KeyPress& key) { return !key.ctrl && !key.shift && !key.alt; }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "&x" marks x; "&&" is a literal "&". Scanning bytes is safe in GBK: "&" (0x26) is never the
// second byte of a two-byte character, which is always 0x40 or above.
bool HasAccessKey(GbkText caption, char key) {
    if (caption == nullptr) return false;
    for (const char* c = caption; *c != '\0'; ++c) {
        if (*c != '&') continue;
        ++c;
        if (*c == '\0') return false;
        if (UpperCase(*c) == key) return true;  // "&&" skips its second "&" here
    }
    return false;
}

bool IsDefaultButton(const OpenWindow& window, int unit_index) {
    return CanTakeFocus(window, unit_index) && UnitAt(window, unit_index).button.default_button;
}

// First the focused unit, then every unit in form order.
int DefaultButtonFor(const OpenWindow& window, int focused_unit) {
    if (IsDefaultButton(window, focused_unit)) return focused_unit;
    for (int i = 1; i < UnitCount(window); ++i) {
        if (IsDefaultButton(window, i)) return i;
    }
    return NoUnit;
}

int AccessKeyUnit(const OpenWindow& window, char key) {
    for (int i = 1; i < UnitCount(window); ++i) {
        if (CanTakeFocus(window, i) && HasAccessKey(UnitAt(window, i).button.caption, key)) return i;
    }
    return NoUnit;
}

bool MoveFocus(OpenWindow& window, int focused_unit, bool backwards) {
    int target = NextTabStop(window, focused_unit, backwards);
    if (target != NoUnit) toolkit::FocusControl(window.controls[static_cast<std::size_t>(target)]);
    return true;
}

bool HandleEnter(OpenWindow& window, int focused_unit) {
    int pressed = DefaultButtonFor(window, focused_unit);
    if (pressed != NoUnit) {
        PressUnit(window, pressed);
        return true;
    }
    if (UnitAt(window, 0).window.enter_moves_focus) return MoveFocus(window, focused_unit, false);
    return false;
}

bool HandleAccessKey(OpenWindow& window, char key) {
    int pressed = AccessKeyUnit(window, key);
    if (pressed == NoUnit) return false;
    PressUnit(window, pressed);
    return true;
}

}  // namespace

void PressUnit(OpenWindow& window, int unit_index) {
    RaiseEvent(window, unit_index, form_event::Click);
}

// F1 is left alone: this runtime opens no help, so a form's F1 setting has nothing to act on.
bool HandleKey(OpenWindow& window, int focused_unit, const KeyPress& key) {
    switch (key.key) {
        case Key::Escape:
            if (!IsAlone(key) || !UnitAt(window, 0).window.esc_closes) return false;
            input::CloseRequested(&window);
            return true;
        case Key::Enter:
            return IsAlone(key) && HandleEnter(window, focused_unit);
        case Key::Tab:
            return !key.ctrl && !key.alt && MoveFocus(window, focused_unit, key.shift);
        case Key::Character:
            return key.alt && !key.ctrl && HandleAccessKey(window, key.character);
        default:
            return false;
    }
}

}  // namespace runtime

bool input::KeyDown(OpenWindow* window, int focused_unit, const KeyPress& key) {
    return runtime::HandleKey(*window, focused_unit, key);
}
