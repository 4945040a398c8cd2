// Reading a form: a sound form is read and its bindings resolved; every fault makes it
// unreadable, which InitRuntime turns into the fatal path.
#include <cstring>

#include "runtime_fixture.h"
#include "ui/start_window_form.h"
#include "ui/start_window_handlers.h"

namespace {

void Noop() {}

constexpr HandlerEntry NoopHandlers[] = {{.name = "Noop", .routine = Noop}};
constexpr EventBinding ClickNoop[] = {{.event = form_event::Click, .handler = "Noop"}};
constexpr EventBinding ClickMissing[] = {{.event = form_event::Click, .handler = "Missing"}};
constexpr EventBinding ClickTwice[] = {{.event = form_event::Click, .handler = "Noop"},
                                       {.event = form_event::Click, .handler = "Noop"}};

constexpr FormUnit Window(FormId id) { return {.id = id, .kind = UnitKind::Window}; }
constexpr FormUnit Button(FormId id, std::span<const EventBinding> events = {}) {
    return {.id = id, .kind = UnitKind::PushButton, .events = events};
}

constexpr FormUnit Sound[] = {Window(1), Button(2, ClickNoop)};
constexpr FormUnit UnknownHandler[] = {Window(1), Button(2, ClickMissing)};
constexpr FormUnit EventBoundTwice[] = {Window(1), Button(2, ClickTwice)};
constexpr FormUnit RepeatedUnitId[] = {Window(1), Button(2), Button(2)};
constexpr FormUnit ButtonFirst[] = {Button(2), Window(1)};
constexpr FormUnit TwoWindows[] = {Window(1), Window(2)};
constexpr FormUnit TooManyUnits[] = {Window(1), Button(2), Button(3), Button(4), Button(5),
                                     Button(6), Button(7), Button(8), Button(9), Button(10),
                                     Button(11), Button(12), Button(13), Button(14), Button(15),
                                     Button(16), Button(17)};

constexpr WindowTemplate SoundTemplates[] = {{.id = 7, .units = Sound}, {.id = 8, .units = Sound}};
constexpr WindowTemplate RepeatedTemplateId[] = {{.id = 7, .units = Sound}, {.id = 7, .units = Sound}};
constexpr WindowTemplate NoUnits[] = {{.id = 7, .units = {}}};
constexpr WindowTemplate Unknown[] = {{.id = 7, .units = UnknownHandler}};
constexpr WindowTemplate BoundTwice[] = {{.id = 7, .units = EventBoundTwice}};
constexpr WindowTemplate RepeatedUnit[] = {{.id = 7, .units = RepeatedUnitId}};
constexpr WindowTemplate NotWindowFirst[] = {{.id = 7, .units = ButtonFirst}};
constexpr WindowTemplate SecondWindowUnit[] = {{.id = 7, .units = TwoWindows}};
constexpr WindowTemplate Oversized[] = {{.id = 7, .units = TooManyUnits}};

struct FormCase {
    const char* what;
    std::span<const WindowTemplate> templates;
    bool readable;
};

const FormCase FormCases[] = {
    {"two sound templates", SoundTemplates, true},
    {"two templates with one identifier", RepeatedTemplateId, false},
    {"a template without units", NoUnits, false},
    {"a binding to a routine nobody registered", Unknown, false},
    {"one event bound twice", BoundTwice, false},
    {"two units with one identifier", RepeatedUnit, false},
    {"a push button before the window unit", NotWindowFirst, false},
    {"a second window unit", SecondWindowUnit, false},
    {"more units than a template holds", Oversized, false},
};

class FormReading : public RuntimeTest {};

TEST_F(FormReading, AcceptsSoundFormsAndRejectsEveryFault) {
    for (const FormCase& c : FormCases) {
        runtime::state() = runtime::State{};
        FormDescription form{.templates = c.templates, .handlers = NoopHandlers};
        EXPECT_EQ(runtime::ReadForm(form), c.readable) << c.what;
        EXPECT_EQ(runtime::FindTemplate(7) != nullptr, c.readable)
            << c.what << ": a form that cannot be read leaves no template behind";
    }
}

TEST_F(FormReading, ProgramFormBindsBothEventsToTheProgramsHandlers) {
    InitRuntime();
    const runtime::ReadTemplate* start = runtime::FindTemplate(StartWindowId);
    ASSERT_NE(start, nullptr);
    ASSERT_EQ(start->unit_count, 2u);
    const runtime::ReadUnit& window = start->units[0];
    const runtime::ReadUnit& button = start->units[1];
    EXPECT_EQ(window.source->id, 0x06010000u);
    EXPECT_EQ(button.source->id, 0x16010003u);
    ASSERT_EQ(window.event_count, 1u);
    EXPECT_EQ(window.events[0].event, form_event::CreationComplete);
    EXPECT_EQ(window.events[0].handler, &OnStartWindowCreated);
    ASSERT_EQ(button.event_count, 1u);
    EXPECT_EQ(button.events[0].event, form_event::Click);
    EXPECT_EQ(button.events[0].handler, &OnLoadButtonClicked);
}

TEST_F(FormReading, EndProgramReleasesTheTemplates) {
    ReadTestForms();
    EndProgram(0);
    EXPECT_EQ(runtime::FindTemplate(test_forms::KeyWindow), nullptr);
}

}  // namespace
