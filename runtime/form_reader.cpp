// Reading the form: checks the description and resolves every event binding to a registered
// routine, into fixed-size templates. Any fault makes the form unreadable, which is fatal.
#include <cstring>

#include "internal.h"

namespace runtime {
namespace {

Handler FindHandler(std::span<const HandlerEntry> handlers, const char* name) {
    for (const HandlerEntry& entry : handlers) {
        if (std::strcmp(entry.name, name) == 0) return entry.routine;
    }
    return nullptr;
}

bool ReadUnitInto(ReadUnit& read, const FormUnit& unit, std::span<const HandlerEntry> handlers) {
    if (unit.events.size() > MaxBindingsPerUnit) return false;
    read = {.source = &unit, .events = {}, .event_count = 0};
    for (const EventBinding& binding : unit.events) {
        Handler handler = FindHandler(handlers, binding.handler);
        if (handler == nullptr) return false;
        for (std::size_t i = 0; i < read.event_count; ++i) {
            if (read.events[i].event == binding.event) return false;
        }
        read.events[read.event_count++] = {.event = binding.event, .handler = handler};
    }
    return true;
}

bool HasUnitId(const ReadTemplate& read, FormId id) {
    for (std::size_t i = 0; i < read.unit_count; ++i) {
        if (read.units[i].source->id == id) return true;
    }
    return false;
}

// The first unit is the window unit and no other unit is a window.
bool ReadTemplateInto(ReadTemplate& read, const WindowTemplate& source,
                      std::span<const HandlerEntry> handlers) {
    if (source.units.empty() || source.units.size() > MaxUnitsPerTemplate) return false;
    read.source = &source;
    read.unit_count = 0;
    for (const FormUnit& unit : source.units) {
        bool is_window_unit = read.unit_count == 0;
        if ((unit.kind == UnitKind::Window) != is_window_unit) return false;
        if (HasUnitId(read, unit.id)) return false;
        if (!ReadUnitInto(read.units[read.unit_count], unit, handlers)) return false;
        ++read.unit_count;
    }
    return true;
}

}  // namespace

bool ReadForm(const FormDescription& form) {
    State& s = state();
    if (form.templates.size() > MaxTemplates) return false;
    s.template_count = 0;
    for (const WindowTemplate& source : form.templates) {
        if (FindTemplate(source.id) != nullptr ||
            !ReadTemplateInto(s.templates[s.template_count], source, form.handlers)) {
            s.template_count = 0;
            return false;
        }
        ++s.template_count;
    }
    return true;
}

void ReleaseTemplates() { state().template_count = 0; }

const ReadTemplate* FindTemplate(FormId id) {
    const State& s = state();
    for (std::size_t i = 0; i < s.template_count; ++i) {
        if (s.templates[i].source->id == id) return &s.templates[i];
    }
    return nullptr;
}

}  // namespace runtime

void InitRuntime() {
    if (!runtime::ReadForm(ProgramForm)) runtime::FailStart(runtime::StartFailure::FormUnreadable);
}
