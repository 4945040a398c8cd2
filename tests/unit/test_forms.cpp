// The test forms and their recording handlers.
#include "test_forms.h"

#include "fake_toolkit.h"

namespace test_forms {
namespace {

void Record(const char* what) { seen().push_back(what); }

void OnSave() { Record("save"); }
void OnCancel() { Record("cancel"); }
void OnPrint() { Record("print"); }
void OnHide() { Record("hide"); }
void OnQuiet() { Record("quiet"); }
void OnInvisible() { Record("invisible"); }
void OnSecondDefault() { Record("second default"); }
void OnMoved() { Record("moved"); }
void OnResized() { Record("resized"); }

void OnCreated() {
    const fake::Toolkit& tk = fake::toolkit();
    bool hidden = !tk.windows.back().visible;
    bool controls_exist = !tk.controls.empty();
    Record(hidden && controls_exist ? "created (hidden, controls built)" : "created (too late)");
}

void OnCreatedCloseAgain() {
    Record("created, closing");
    fake::RequestClose(static_cast<int>(fake::toolkit().windows.size()) - 1);
}

constexpr UnitSettings Place(int left, int top, int width, int height, int tab_order,
                             bool tab_stop = true, bool visible = true, bool disabled = false) {
    return {.name = "", .left = left, .top = top, .width = width, .height = height, .tag = "",
            .visible = visible, .disabled = disabled, .tab_stop = tab_stop,
            .tab_order = tab_order, .mouse_pointer = MousePointer::Default};
}

constexpr WindowSettings Frame(bool esc_closes, bool enter_moves_focus, StartPosition start) {
    return {.caption = "Test", .border_style = BorderStyle::Fixed, .control_box = true,
            .maximise_box = false, .minimise_box = true, .start_position = start,
            .movable = true, .shown_in_task_bar = true, .always_on_top = false,
            .keep_title_bar_active = false, .background_colour = SystemDefaultColour,
            .background_picture = nullptr, .picture_layout = PictureLayout::Tiled,
            .background_music = nullptr, .music_playback = MusicPlayback::RepeatContinuously,
            .icon = nullptr, .enter_moves_focus = enter_moves_focus, .esc_closes = esc_closes,
            .f1_opens_help = false, .help_file = "", .help_topic = 0,
            .drag_by_client_area = false, .shape = WindowShape::Rectangle,
            .window_class_name = ""};
}

constexpr ButtonSettings Caption(GbkText caption, bool default_button = false) {
    return {.caption = caption, .default_button = default_button,
            .horizontal_alignment = Alignment::Centred, .vertical_alignment = Alignment::Centred,
            .picture = nullptr, .font = nullptr};
}

constexpr EventBinding SaveEvents[] = {{.event = form_event::Click, .handler = "OnSave"}};
constexpr EventBinding CancelEvents[] = {{.event = form_event::Click, .handler = "OnCancel"}};
constexpr EventBinding PrintEvents[] = {{.event = form_event::Click, .handler = "OnPrint"}};
constexpr EventBinding HideEvents[] = {{.event = form_event::Click, .handler = "OnHide"}};
constexpr EventBinding QuietEvents[] = {{.event = form_event::Click, .handler = "OnQuiet"}};
constexpr EventBinding InvisibleEvents[] = {{.event = form_event::Click, .handler = "OnInvisible"}};
constexpr EventBinding SecondDefaultEvents[] = {
    {.event = form_event::Click, .handler = "OnSecondDefault"}};

constexpr FormUnit KeyUnits[] = {
    {.id = 1, .kind = UnitKind::Window, .unit = Place(10, 20, 300, 200, 0, false),
     .window = Frame(false, false, StartPosition::Manual)},
    {.id = 2, .kind = UnitKind::PushButton, .unit = Place(0, 0, 80, 20, 2),
     .button = Caption("&save"), .events = SaveEvents},
    {.id = 3, .kind = UnitKind::PushButton, .unit = Place(0, 30, 80, 20, 0),
     .button = Caption("Cancel", true), .events = CancelEvents},
    {.id = 4, .kind = UnitKind::PushButton, .unit = Place(0, 60, 80, 20, 1),
     .button = Caption("Print &2"), .events = PrintEvents},
    {.id = 5, .kind = UnitKind::PushButton, .unit = Place(0, 90, 80, 20, 3),
     .button = Caption("&&Hide"), .events = HideEvents},
    {.id = 6, .kind = UnitKind::PushButton, .unit = Place(0, 120, 80, 20, 4, true, true, true),
     .button = Caption("&Quiet"), .events = QuietEvents},
    {.id = 7, .kind = UnitKind::PushButton, .unit = Place(0, 150, 80, 20, 5, true, false),
     .button = Caption("&Invisible"), .events = InvisibleEvents},
    {.id = 8, .kind = UnitKind::PushButton, .unit = Place(100, 0, 80, 20, 6, false),
     .button = Caption("Second", true), .events = SecondDefaultEvents},
};

constexpr EventBinding LifecycleEvents[] = {
    {.event = form_event::Resized, .handler = "OnResized"},
    {.event = form_event::CreationComplete, .handler = "OnCreated"},
    {.event = form_event::Moved, .handler = "OnMoved"},
};

constexpr FormUnit LifecycleUnits[] = {
    {.id = 1, .kind = UnitKind::Window, .unit = Place(10, 20, 300, 200, 0, false),
     .window = Frame(true, false, StartPosition::Minimised), .events = LifecycleEvents},
    {.id = 2, .kind = UnitKind::PushButton, .unit = Place(0, 0, 80, 20, 0, true, false),
     .button = Caption("Hidden")},
};

constexpr FormUnit EnterMovesUnits[] = {
    {.id = 1, .kind = UnitKind::Window, .unit = Place(10, 20, 300, 200, 0, false),
     .window = Frame(true, true, StartPosition::Maximised)},
    {.id = 2, .kind = UnitKind::PushButton, .unit = Place(0, 0, 80, 20, 0),
     .button = Caption("One"), .events = SaveEvents},
    {.id = 3, .kind = UnitKind::PushButton, .unit = Place(0, 30, 80, 20, 1),
     .button = Caption("Two"), .events = CancelEvents},
};

constexpr EventBinding SelfClosingEvents[] = {
    {.event = form_event::CreationComplete, .handler = "OnCreatedCloseAgain"},
    {.event = form_event::Moved, .handler = "OnMoved"},
};

constexpr FormUnit SelfClosingUnits[] = {
    {.id = 1, .kind = UnitKind::Window, .unit = Place(10, 20, 300, 200, 0, false),
     .window = Frame(true, false, StartPosition::CentreScreen), .events = SelfClosingEvents},
};

constexpr WindowTemplate Templates[] = {
    {.id = KeyWindow, .name = "", .units = KeyUnits},
    {.id = LifecycleWindow, .name = "", .units = LifecycleUnits},
    {.id = EnterMovesWindow, .name = "", .units = EnterMovesUnits},
    {.id = SelfClosingWindow, .name = "", .units = SelfClosingUnits},
};

constexpr HandlerEntry Handlers[] = {
    {.name = "OnSave", .routine = OnSave},
    {.name = "OnCancel", .routine = OnCancel},
    {.name = "OnPrint", .routine = OnPrint},
    {.name = "OnHide", .routine = OnHide},
    {.name = "OnQuiet", .routine = OnQuiet},
    {.name = "OnInvisible", .routine = OnInvisible},
    {.name = "OnSecondDefault", .routine = OnSecondDefault},
    {.name = "OnMoved", .routine = OnMoved},
    {.name = "OnResized", .routine = OnResized},
    {.name = "OnCreated", .routine = OnCreated},
    {.name = "OnCreatedCloseAgain", .routine = OnCreatedCloseAgain},
};

}  // namespace

constinit const FormDescription Form = {.templates = Templates, .handlers = Handlers};

std::vector<std::string>& seen() {
    static std::vector<std::string> events;
    return events;
}

}  // namespace test_forms
