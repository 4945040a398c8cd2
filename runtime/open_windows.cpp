// The loaded windows: lookup of their units, raising bound events, and the close and destroy
// path that ends the message loop once the last window of the form is gone.
#include "internal.h"

namespace runtime {

bool IsOpen(const OpenWindow& window) { return window.native != nullptr; }

bool AnyWindowOpen() {
    for (const OpenWindow& window : state().windows) {
        if (IsOpen(window)) return true;
    }
    return false;
}

const FormUnit& UnitAt(const OpenWindow& window, int unit_index) {
    return *window.form->units[static_cast<std::size_t>(unit_index)].source;
}

int UnitCount(const OpenWindow& window) { return static_cast<int>(window.form->unit_count); }

void RaiseEvent(const OpenWindow& window, int unit_index, std::uint32_t event) {
    const ReadUnit& unit = window.form->units[static_cast<std::size_t>(unit_index)];
    for (std::size_t i = 0; i < unit.event_count; ++i) {
        if (unit.events[i].event == event) {
            unit.events[i].handler();
            return;
        }
    }
}

}  // namespace runtime

namespace input {

void UnitClicked(OpenWindow* window, int unit_index) {
    if (unit_index > 0 && unit_index < runtime::UnitCount(*window)) {
        runtime::RaiseEvent(*window, unit_index, form_event::Click);
    }
}

// The form binds no close handler, so no close request is ever refused.
void CloseRequested(OpenWindow* window) { toolkit::DestroyTopLevel(window->native); }

void WindowDestroyed(OpenWindow* window) {
    *window = {};
    runtime::State& s = runtime::state();
    if (s.loop_started && !runtime::AnyWindowOpen()) toolkit::PostQuit(0);
}

}  // namespace input
