// Controls of a form window: system push buttons, identified by their unit index.
#include "win32_internal.h"

namespace toolkit {

NativeControl CreatePushButton(NativeWindow parent, const ButtonParams& params, int unit_index) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_CENTER | BS_VCENTER | BS_MULTILINE;
    style |= params.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (params.tab_stop) style |= WS_TABSTOP;
    if (params.disabled) style |= WS_DISABLED;
    HWND button = CreateWindowExW(0, L"BUTTON", win32::WideText(params.caption).get(), style,
                                  params.origin.x, params.origin.y, params.size.width, params.size.height,
                                  reinterpret_cast<HWND>(parent),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(unit_index)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (button == nullptr) return nullptr;
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return reinterpret_cast<NativeControl>(button);
}

void ShowControl(NativeControl control, bool visible) {
    ShowWindow(reinterpret_cast<HWND>(control), visible ? SW_SHOWNA : SW_HIDE);
}

void FocusControl(NativeControl control) { SetFocus(reinterpret_cast<HWND>(control)); }

}  // namespace toolkit
