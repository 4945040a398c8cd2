// State and helpers shared by the core's own files; never included by a backend or a program.
// Everything lives in fixed-size storage so the runtime needs no heap and no exceptions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "form.h"
#include "input.h"
#include "runtime.h"
#include "toolkit.h"

namespace runtime {

constexpr std::size_t MaxTemplates = 8;
constexpr std::size_t MaxUnitsPerTemplate = 16;
constexpr std::size_t MaxBindingsPerUnit = 8;
constexpr std::size_t MaxOpenWindows = 8;
constexpr std::size_t MaxEndRoutines = 16;

struct BoundEvent {
    std::uint32_t event;
    Handler handler;
};

// A unit as read from the form: its settings, and its bindings resolved to routines.
struct ReadUnit {
    const FormUnit* source;
    std::array<BoundEvent, MaxBindingsPerUnit> events;
    std::size_t event_count;
};

struct ReadTemplate {
    const WindowTemplate* source;
    std::array<ReadUnit, MaxUnitsPerTemplate> units;
    std::size_t unit_count;
};

}  // namespace runtime

// The core's record of one window loaded from a template. Unit 0 is the window unit.
struct OpenWindow {
    const runtime::ReadTemplate* form;
    NativeWindow native;
    std::array<NativeControl, runtime::MaxUnitsPerTemplate> controls;
    int restore_focus_to;  // the unit that held the focus when the window last lost it, or NoUnit
};

namespace runtime {

struct State {
    std::array<ReadTemplate, MaxTemplates> templates;
    std::size_t template_count;
    std::array<OpenWindow, MaxOpenWindows> windows;  // free where native is nullptr
    std::array<EndRoutine, MaxEndRoutines> end_routines;
    std::size_t end_routine_count;
    bool loop_started;  // never reset: destroying the last window ends the loop only once set
    bool toolkit_started;
    int quit_value;
};

State& state();

enum class StartFailure : std::uint8_t {
    FormUnreadable,
    NoSuchTemplate,
    WindowNotCreated,
    TooManyEndRoutines,
};

// The fatal path: reports, discards the end routines unrun, ends the process with -1.
[[noreturn]] void FailStart(StartFailure failure);

// Reads a form into the templates; false when it cannot be read (a fault in the form, or more
// than the fixed storage holds).
bool ReadForm(const FormDescription& form);
void ReleaseTemplates();
const ReadTemplate* FindTemplate(FormId id);

// Runs the handler bound to a unit's event, if any.
void RaiseEvent(const OpenWindow& window, int unit_index, std::uint32_t event);

bool IsOpen(const OpenWindow& window);
bool AnyWindowOpen();

const FormUnit& UnitAt(const OpenWindow& window, int unit_index);
int UnitCount(const OpenWindow& window);

// A control that exists, is visible and is enabled.
bool CanTakeFocus(const OpenWindow& window, int unit_index);

// The control that should take the focus after `from` (or before it, when backwards): the
// visible, enabled tab stops in tab order, wrapping around. NoUnit when there is none.
int NextTabStop(const OpenWindow& window, int from, bool backwards);

// Runs the unit's click, as a keyboard press of it does.
void PressUnit(OpenWindow& window, int unit_index);

bool HandleKey(OpenWindow& window, int focused_unit, const KeyPress& key);

// Top-left corner that centres an outer size on a screen; truncates toward zero, so a screen
// narrower than the window gives zero or a negative x.
toolkit::Point centred_origin(toolkit::Size screen, toolkit::Size window);

}  // namespace runtime
