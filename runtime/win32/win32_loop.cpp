// The thread's message loop. Key-downs for a form window or its controls go to the core's key
// rules before dispatch, the way a dialog examines its keys.
#include "win32_internal.h"

namespace win32 {
namespace {

bool IsDown(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

KeyPress KeyPressOf(WPARAM virtual_key) {
    KeyPress key{.key = Key::Other, .character = 0, .ctrl = IsDown(VK_CONTROL),
                 .shift = IsDown(VK_SHIFT), .alt = IsDown(VK_MENU)};
    if (virtual_key == VK_ESCAPE) key.key = Key::Escape;
    if (virtual_key == VK_RETURN) key.key = Key::Enter;
    if (virtual_key == VK_TAB) key.key = Key::Tab;
    // Virtual keys of letters and digits are their upper-case ASCII codes.
    if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9')) {
        key.key = Key::Character;
        key.character = static_cast<char>(virtual_key);
    }
    return key;
}

bool ConsumedByFormKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    OpenWindow* window = CoreWindowOf(root);
    if (window == nullptr) return false;
    return input::KeyDown(window, UnitOfControl(root, message.hwnd), KeyPressOf(message.wParam));
}

}  // namespace
}  // namespace win32

namespace toolkit {

int RunEventLoop() {
    MSG message{};
    // GetMessage fails (-1) only for an invalid window filter, and none is given.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (win32::ConsumedByFormKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void PostQuit(int value) { PostQuitMessage(value); }

}  // namespace toolkit
