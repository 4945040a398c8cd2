// LoadWindow: builds a window and its controls from a template, hidden, announces it to the
// program, then shows it. A handler that destroys the window ends the load there, without error.
#include "internal.h"

namespace runtime {
namespace {

OpenWindow* FreeWindowRecord() {
    for (OpenWindow& window : state().windows) {
        if (!IsOpen(window)) return &window;
    }
    return nullptr;
}

toolkit::Point WindowOrigin(const FormUnit& unit) {
    if (unit.window.start_position == StartPosition::CentreScreen) {
        return centred_origin(toolkit::PrimaryScreenSize(), {unit.unit.width, unit.unit.height});
    }
    return {unit.unit.left, unit.unit.top};
}

toolkit::WindowParams WindowParamsOf(const FormUnit& unit) {
    // A window is shown in the task bar by having no owner, and this runtime never gives one.
    return {
        .origin = WindowOrigin(unit),
        .size = {unit.unit.width, unit.unit.height},
        .caption = unit.window.caption,
        .frame = {.resizable = unit.window.border_style != BorderStyle::Fixed,
                  .system_menu = unit.window.control_box,
                  .minimise_box = unit.window.minimise_box,
                  .maximise_box = unit.window.maximise_box},
        .background_colour = unit.window.background_colour,
    };
}

toolkit::ButtonParams ButtonParamsOf(const FormUnit& unit) {
    return {
        .origin = {unit.unit.left, unit.unit.top},
        .size = {unit.unit.width, unit.unit.height},
        .caption = unit.button.caption,
        .tab_stop = unit.unit.tab_stop,
        .disabled = unit.unit.disabled,
        .default_button = unit.button.default_button,
    };
}

toolkit::ShowMode ShowModeOf(const FormUnit& unit) {
    switch (unit.window.start_position) {
        case StartPosition::Minimised: return toolkit::ShowMode::Minimised;
        case StartPosition::Maximised: return toolkit::ShowMode::Maximised;
        default: return toolkit::ShowMode::Normal;
    }
}

// Creates the window and its controls, all hidden; leaves nothing behind on failure.
bool Build(OpenWindow& window, const ReadTemplate& form) {
    window = {.form = &form, .native = nullptr, .controls = {}, .restore_focus_to = NoUnit};
    NativeWindow native = toolkit::CreateTopLevel(WindowParamsOf(*form.units[0].source), &window);
    if (native == nullptr) return false;
    window.native = native;
    for (int i = 1; i < UnitCount(window); ++i) {
        NativeControl control = toolkit::CreatePushButton(native, ButtonParamsOf(UnitAt(window, i)), i);
        if (control == nullptr) {
            toolkit::DestroyTopLevel(native);
            return false;
        }
        window.controls[static_cast<std::size_t>(i)] = control;
    }
    return true;
}

// True while the load may go on: the window has not been destroyed by a handler.
bool StillLoading(const OpenWindow& window, NativeWindow native) { return window.native == native; }

}  // namespace
}  // namespace runtime

void LoadWindow(FormId template_id) {
    using namespace runtime;
    const ReadTemplate* form = FindTemplate(template_id);
    if (form == nullptr) FailStart(StartFailure::NoSuchTemplate);
    OpenWindow* window = FreeWindowRecord();
    if (window == nullptr || !Build(*window, *form)) FailStart(StartFailure::WindowNotCreated);

    NativeWindow native = window->native;
    for (int i = 1; i < UnitCount(*window); ++i) {
        toolkit::ShowControl(window->controls[static_cast<std::size_t>(i)],
                             UnitAt(*window, i).unit.visible);
    }
    RaiseEvent(*window, 0, form_event::CreationComplete);
    if (!StillLoading(*window, native)) return;
    RaiseEvent(*window, 0, form_event::Moved);
    if (!StillLoading(*window, native)) return;
    RaiseEvent(*window, 0, form_event::Resized);
    if (!StillLoading(*window, native)) return;
    const FormUnit& unit = UnitAt(*window, 0);
    if (unit.unit.visible) toolkit::ShowTopLevel(native, ShowModeOf(unit));
}
