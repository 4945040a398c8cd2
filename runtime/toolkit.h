// The narrow interface between the portable core and one windowing toolkit. Exactly one backend
// (runtime/win32, runtime/gtk, or the unit tests' fake) implements it per build. The core decides
// what happens; a backend only creates, shows and destroys native objects and reports native
// events back through input.h.
#pragma once

#include <cstdint>

#include "form.h"
#include "runtime.h"

struct OpenWindow;  // the core's record of a loaded window; backends only pass it back

using NativeWindow = struct NativeWindowObject*;
using NativeControl = struct NativeControlObject*;

namespace toolkit {

struct Point {
    int x, y;
};

struct Size {
    int width, height;
};

struct WindowFrame {
    bool resizable;
    bool system_menu;
    bool minimise_box;
    bool maximise_box;
};

struct WindowParams {
    Point origin;
    Size size;  // outer size
    GbkText caption;
    WindowFrame frame;
    std::uint32_t background_colour;  // SystemDefaultColour or 0x00BBGGRR
};

struct ButtonParams {
    Point origin;  // client coordinates
    Size size;
    GbkText caption;
    bool tab_stop;
    bool disabled;
    bool default_button;
};

enum class ShowMode : std::uint8_t { Normal, Minimised, Maximised };

// The toolkit's own resources, for the whole run.
bool Start();
void Stop();

Size PrimaryScreenSize();

// Both create hidden; nullptr when the system refuses. `unit_index` is the control's place in
// its template, which the backend reports back with the control's events.
NativeWindow CreateTopLevel(const WindowParams& params, OpenWindow* core_window);
NativeControl CreatePushButton(NativeWindow parent, const ButtonParams& params, int unit_index);

void ShowControl(NativeControl control, bool visible);  // never activates
void ShowTopLevel(NativeWindow window, ShowMode mode);  // activates
void DestroyTopLevel(NativeWindow window);              // reports WindowDestroyed before returning
void FocusControl(NativeControl control);

// Runs the toolkit's message loop until PostQuit; returns the quit value.
int RunEventLoop();
void PostQuit(int value);

// Blocks until the box is closed. A null owner makes it modal for every window of the thread.
MessageAnswer ShowMessageBox(GbkText text, MessageButtons buttons, GbkText title,
                             NativeWindow owner);

bool OpenUrl(const char* address);

// Reports a fatal start-up failure to the user and returns once it has been acknowledged.
void ShowFatalError(GbkText title, GbkText message);

}  // namespace toolkit
