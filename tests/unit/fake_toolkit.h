// A toolkit without a display for the runtime's unit tests: it records what the core asks of
// it, and lets a test act as the user by reporting events through the core's input calls, as a
// real backend would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/input.h"
#include "runtime/toolkit.h"

namespace fake {

struct Window {
    toolkit::WindowParams params;
    OpenWindow* core;
    bool visible;
    toolkit::ShowMode shown_as;
    bool destroyed;
};

struct Control {
    int window;  // index into Toolkit::windows
    toolkit::ButtonParams params;
    int unit_index;
    bool visible;
};

struct Toolkit {
    toolkit::Size screen{1024, 768};
    bool refuse_start = false;
    bool refuse_windows = false;
    int refuse_button_at = -1;  // unit index whose creation fails

    std::vector<Window> windows;
    std::vector<Control> controls;
    std::vector<std::string> log;  // what the core asked for, in order
    int focused_control = -1;      // index into controls
    std::vector<int> posted_quits;
    bool started = false;
    int stops = 0;
    int loops_run = 0;

    struct MessageBoxCall {
        std::string text, title;
        MessageButtons buttons;
        NativeWindow owner;
    };
    std::vector<MessageBoxCall> message_boxes;
    MessageAnswer message_box_answer = MessageAnswer::Ok;
    std::vector<std::string> opened_urls;
    bool opener_fails = false;

    // What the user does while the message loop runs.
    std::function<void()> user_actions;
};

Toolkit& toolkit();
void Reset();

// Handles as the core sees them.
NativeWindow WindowHandle(int index);
NativeControl ControlHandle(int index);

// The user's side.
void ClickControl(int control);
void RequestClose(int window);
bool PressKey(int window, KeyPress key);  // true: consumed
void Deactivate(int window);
void Activate(int window);

// The control that holds the focus, as a unit index, or NoUnit.
int FocusedUnit();

}  // namespace fake
