// The fake toolkit's implementation of the toolkit interface and of the user's actions.
#include "fake_toolkit.h"

#include <cstdint>
#include <cstdio>

namespace fake {
namespace {

Toolkit instance;

int IndexOf(NativeWindow window) { return static_cast<int>(reinterpret_cast<std::intptr_t>(window)) - 1; }
int IndexOf(NativeControl control) { return static_cast<int>(reinterpret_cast<std::intptr_t>(control)) - 1; }

Window& WindowAt(NativeWindow window) { return instance.windows.at(static_cast<std::size_t>(IndexOf(window))); }
Control& ControlAt(NativeControl control) { return instance.controls.at(static_cast<std::size_t>(IndexOf(control))); }

}  // namespace

Toolkit& toolkit() { return instance; }
void Reset() { instance = Toolkit{}; }

NativeWindow WindowHandle(int index) { return reinterpret_cast<NativeWindow>(static_cast<std::intptr_t>(index + 1)); }
NativeControl ControlHandle(int index) { return reinterpret_cast<NativeControl>(static_cast<std::intptr_t>(index + 1)); }

void ClickControl(int control) {
    const Control& c = instance.controls.at(static_cast<std::size_t>(control));
    input::UnitClicked(instance.windows.at(static_cast<std::size_t>(c.window)).core, c.unit_index);
}

void RequestClose(int window) { input::CloseRequested(instance.windows.at(static_cast<std::size_t>(window)).core); }

bool PressKey(int window, KeyPress key) {
    return input::KeyDown(instance.windows.at(static_cast<std::size_t>(window)).core, FocusedUnit(), key);
}

void Deactivate(int window) {
    input::FocusLost(instance.windows.at(static_cast<std::size_t>(window)).core, FocusedUnit());
    instance.focused_control = -1;
}

void Activate(int window) { input::FocusGained(instance.windows.at(static_cast<std::size_t>(window)).core); }

int FocusedUnit() {
    if (instance.focused_control < 0) return NoUnit;
    return instance.controls.at(static_cast<std::size_t>(instance.focused_control)).unit_index;
}

}  // namespace fake

namespace toolkit {

bool Start() {
    fake::instance.log.push_back("start");
    fake::instance.started = !fake::instance.refuse_start;
    return fake::instance.started;
}

void Stop() {
    fake::instance.log.push_back("stop");
    ++fake::instance.stops;
}

Size PrimaryScreenSize() { return fake::instance.screen; }

NativeWindow CreateTopLevel(const WindowParams& params, OpenWindow* core_window) {
    fake::instance.log.push_back("create window");
    if (fake::instance.refuse_windows) return nullptr;
    fake::instance.windows.push_back({.params = params, .core = core_window, .visible = false,
                                      .shown_as = ShowMode::Normal, .destroyed = false});
    return fake::WindowHandle(static_cast<int>(fake::instance.windows.size()) - 1);
}

NativeControl CreatePushButton(NativeWindow parent, const ButtonParams& params, int unit_index) {
    fake::instance.log.push_back("create button " + std::to_string(unit_index));
    if (unit_index == fake::instance.refuse_button_at) return nullptr;
    fake::instance.controls.push_back(
        {.window = fake::IndexOf(parent), .params = params, .unit_index = unit_index, .visible = false});
    return fake::ControlHandle(static_cast<int>(fake::instance.controls.size()) - 1);
}

void ShowControl(NativeControl control, bool visible) {
    fake::Control& c = fake::ControlAt(control);
    fake::instance.log.push_back((visible ? "show button " : "hide button ") + std::to_string(c.unit_index));
    c.visible = visible;
}

void ShowTopLevel(NativeWindow window, ShowMode mode) {
    fake::instance.log.push_back("show window");
    fake::Window& w = fake::WindowAt(window);
    w.visible = true;
    w.shown_as = mode;
}

// As on a real toolkit, the destroy is reported before the call returns.
void DestroyTopLevel(NativeWindow window) {
    fake::instance.log.push_back("destroy window");
    fake::Window& w = fake::WindowAt(window);
    w.destroyed = true;
    w.visible = false;
    input::WindowDestroyed(w.core);
}

void FocusControl(NativeControl control) { fake::instance.focused_control = fake::IndexOf(control); }

int RunEventLoop() {
    fake::instance.log.push_back("loop");
    ++fake::instance.loops_run;
    if (fake::instance.user_actions) fake::instance.user_actions();
    // A real loop would wait for ever without a quit; a test that gets here has failed.
    return fake::instance.posted_quits.empty() ? 999 : fake::instance.posted_quits.front();
}

void PostQuit(int value) {
    fake::instance.log.push_back("quit " + std::to_string(value));
    fake::instance.posted_quits.push_back(value);
}

MessageAnswer ShowMessageBox(GbkText text, MessageButtons buttons, GbkText title, NativeWindow owner) {
    fake::instance.log.push_back("message box");
    fake::instance.message_boxes.push_back(
        {.text = text, .title = title, .buttons = buttons, .owner = owner});
    return fake::instance.message_box_answer;
}

bool OpenUrl(const char* address) {
    fake::instance.log.push_back("open url");
    fake::instance.opened_urls.push_back(address);
    return !fake::instance.opener_fails;
}

// Death tests read this from the dying process's standard error.
void ShowFatalError(GbkText title, GbkText message) {
    int open = 0;
    for (const fake::Window& window : fake::instance.windows) open += window.destroyed ? 0 : 1;
    std::fprintf(stderr, "fatal error box (%d windows open): %s: %s\n", open, title, message);
}

}  // namespace toolkit
