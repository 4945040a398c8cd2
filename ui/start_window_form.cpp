// The program's whole user interface as data: the start window "Korvessa" with its Load button,
// every setting stated, and the handlers its events are bound to. The runtime builds the window
// from this table; captions are GBK bytes.
#include "start_window_form.h"

#include "start_window_handlers.h"

namespace {

constexpr FormId StartWindowUnitId = 0x06010000;
constexpr FormId LoadButtonId = 0x16010003;

constexpr EventBinding StartWindowEvents[] = {
    {.event = form_event::CreationComplete, .handler = "OnStartWindowCreated"},
};

constexpr EventBinding LoadButtonEvents[] = {
    {.event = form_event::Click, .handler = "OnLoadButtonClicked"},
};

constexpr FormUnit StartWindowUnits[] = {
    {
        .id = StartWindowUnitId,
        .kind = UnitKind::Window,
        .unit = {.name = "",
                 .left = 50, .top = 50, .width = 380, .height = 247,
                 .tag = "",
                 .visible = true,
                 .disabled = false,
                 .tab_stop = false,
                 .tab_order = 0,
                 .mouse_pointer = MousePointer::Default},
        .window = {.caption = "Korvessa",
                   .border_style = BorderStyle::Fixed,
                   .control_box = true,
                   .maximise_box = false,
                   .minimise_box = true,
                   .start_position = StartPosition::CentreScreen,
                   .movable = true,
                   .shown_in_task_bar = true,
                   .always_on_top = false,
                   .keep_title_bar_active = false,
                   .background_colour = SystemDefaultColour,
                   .background_picture = nullptr,
                   .picture_layout = PictureLayout::Tiled,
                   .background_music = nullptr,
                   .music_playback = MusicPlayback::RepeatContinuously,
                   .icon = nullptr,
                   .enter_moves_focus = false,
                   .esc_closes = true,
                   .f1_opens_help = false,
                   .help_file = "",
                   .help_topic = 0,
                   .drag_by_client_area = false,
                   .shape = WindowShape::Rectangle,
                   .window_class_name = ""},
        .button = {},
        .events = StartWindowEvents,
    },
    {
        .id = LoadButtonId,
        .kind = UnitKind::PushButton,
        .unit = {.name = "\xB0\xB4\xC5\xA5" "1",  // 按钮1
                 .left = 136, .top = 88, .width = 88, .height = 32,
                 .tag = "",
                 .visible = true,
                 .disabled = false,
                 .tab_stop = true,
                 .tab_order = 0,
                 .mouse_pointer = MousePointer::Default},
        .window = {},
        .button = {.caption = "\xD4\xD8\xC8\xEB",  // 载入
                   .default_button = false,
                   .horizontal_alignment = Alignment::Centred,
                   .vertical_alignment = Alignment::Centred,
                   .picture = nullptr,
                   .font = nullptr},
        .events = LoadButtonEvents,
    },
};

constexpr WindowTemplate Templates[] = {
    {.id = StartWindowId, .name = "", .units = StartWindowUnits},
};

constexpr HandlerEntry Handlers[] = {
    {.name = "OnStartWindowCreated", .routine = OnStartWindowCreated},
    {.name = "OnLoadButtonClicked", .routine = OnLoadButtonClicked},
};

}  // namespace

constinit const FormDescription ProgramForm = {.templates = Templates, .handlers = Handlers};
