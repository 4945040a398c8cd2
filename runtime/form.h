// The form model: window templates, their units, every setting a unit stores, and the event
// bindings. A program describes its whole user interface as constant data of these types and the
// runtime builds windows from it; nothing here knows any toolkit.
#pragma once

#include <cstdint>
#include <span>

using FormId = std::uint32_t;

// A form's texts are GBK (code page 936) byte strings ended by a zero byte; each toolkit backend
// converts them at its edge.
using GbkText = const char*;

// Event handlers take no arguments; their results, if any, are not used.
using Handler = void (*)();

enum class UnitKind : std::uint8_t { Window, PushButton };

// Event numbers, per unit kind.
namespace form_event {
constexpr std::uint32_t CreationComplete = 0;  // window unit
constexpr std::uint32_t Moved = 3;             // window unit
constexpr std::uint32_t Resized = 4;           // window unit
constexpr std::uint32_t Click = 0;             // push button
}  // namespace form_event

// The form names handlers; the program registers them by name (see FormDescription) and
// reading the form resolves every binding, so a misspelt handler is a load error, not a silent
// no-op.
struct EventBinding {
    std::uint32_t event;
    const char* handler;
};

enum class MousePointer : std::uint8_t { Default = 0 };
enum class BorderStyle : std::uint8_t { Fixed = 2 };
enum class StartPosition : std::uint8_t { Manual = 0, CentreScreen = 1, Minimised = 2, Maximised = 3 };
enum class PictureLayout : std::uint8_t { Tiled = 1 };
enum class MusicPlayback : std::uint8_t { RepeatContinuously = 0 };
enum class WindowShape : std::uint8_t { Rectangle = 0 };
enum class Alignment : std::uint8_t { Centred = 1 };

// Background colour value that stands for the system's 3D face colour; any other is 0x00BBGGRR.
constexpr std::uint32_t SystemDefaultColour = 0xFF000000;

// Settings every unit has. Places and sizes are pixels, never scaled; a window's size is its
// outer size, a control's left and top are client coordinates of its window.
struct UnitSettings {
    GbkText name;
    int left, top, width, height;
    GbkText tag;
    bool visible;
    bool disabled;
    bool tab_stop;
    int tab_order;
    MousePointer mouse_pointer;
};

struct WindowSettings {
    GbkText caption;
    BorderStyle border_style;
    bool control_box;
    bool maximise_box;
    bool minimise_box;
    StartPosition start_position;
    bool movable;
    bool shown_in_task_bar;
    bool always_on_top;
    bool keep_title_bar_active;
    std::uint32_t background_colour;
    const char* background_picture;  // nullptr: none
    PictureLayout picture_layout;
    const char* background_music;  // nullptr: none
    MusicPlayback music_playback;
    const char* icon;  // nullptr: the program icon
    bool enter_moves_focus;
    bool esc_closes;
    bool f1_opens_help;
    const char* help_file;
    int help_topic;
    bool drag_by_client_area;
    WindowShape shape;
    const char* window_class_name;  // empty: the runtime's own class
};

struct ButtonSettings {
    GbkText caption;  // "&x" marks x as the access key; "&&" is a literal "&"
    bool default_button;
    Alignment horizontal_alignment;
    Alignment vertical_alignment;
    const char* picture;  // nullptr: caption only
    const char* font;     // nullptr: the system's default GUI font
};

// One unit of a template. The first unit of every template is its window unit; `window` is
// read for it and `button` for push buttons.
struct FormUnit {
    FormId id;
    UnitKind kind;
    UnitSettings unit;
    WindowSettings window;
    ButtonSettings button;
    std::span<const EventBinding> events;
};

// Templates carry no menu: windows of this runtime have no menu bar and no accelerators.
struct WindowTemplate {
    FormId id;
    GbkText name;
    std::span<const FormUnit> units;
};

struct HandlerEntry {
    const char* name;
    Handler routine;
};

struct FormDescription {
    std::span<const WindowTemplate> templates;
    std::span<const HandlerEntry> handlers;
};

// The program's form, defined by the program and read by InitRuntime.
extern const FormDescription ProgramForm;
