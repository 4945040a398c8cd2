// Top-level windows of the form class: creation at an exact outer size, icons and font, painting,
// and turning the window messages the core cares about into input:: calls.
#include "win32_internal.h"

namespace win32 {
namespace {

ATOM form_class = 0;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

DWORD WindowStyleOf(const toolkit::WindowFrame& frame) {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
    if (frame.system_menu) style |= WS_SYSMENU;
    if (frame.minimise_box) style |= WS_MINIMIZEBOX;
    if (frame.maximise_box) style |= WS_MAXIMIZEBOX;
    if (frame.resizable) style |= WS_THICKFRAME;
    return style;
}

// The form's size is the outer size; the system may pick another for a frame style, so it is
// set again when it differs.
void KeepOuterSize(HWND window, const toolkit::WindowParams& params) {
    RECT outer{};
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != params.size.width || outer.bottom - outer.top != params.size.height) {
        SetWindowPos(window, nullptr, params.origin.x, params.origin.y, params.size.width,
                     params.size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SetIconsAndFont(HWND window) {
    const ProgramIcons& icons = LoadProgramIcons();
    if (icons.large != nullptr) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large));
    if (icons.small != nullptr) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

// The system colour is read at every paint, so a change of colour scheme shows at the next one.
// DC_BRUSH takes the colour without creating a brush per paint.
void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    auto colour = static_cast<std::uint32_t>(GetWindowLongW(window, BackgroundColourSlot));
    SetDCBrushColor(dc, colour == SystemDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    EndPaint(window, &paint);
}

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    OpenWindow* window = reinterpret_cast<OpenWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
    switch (message) {
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_SETFONT:
            SetWindowLongPtrW(hwnd, FontSlot, static_cast<LONG_PTR>(wparam));
            if (LOWORD(lparam) != 0) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(hwnd, FontSlot);
        case WM_SETFOCUS:
            input::FocusGained(window);
            return 0;
        case WM_ACTIVATE:
            // Still focused here while being deactivated: the last moment to learn which control
            // to give the focus back to.
            if (LOWORD(wparam) == WA_INACTIVE) input::FocusLost(window, UnitOfControl(hwnd, GetFocus()));
            break;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
                input::UnitClicked(window, UnitOfControl(hwnd, reinterpret_cast<HWND>(lparam)));
                return 0;
            }
            break;
        case WM_CLOSE:
            input::CloseRequested(window);
            return 0;
        case WM_NCDESTROY: {
            // The last message a window gets: its clean-up is done once this has run.
            LRESULT result = DefWindowProcW(hwnd, message, wparam, lparam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            input::WindowDestroyed(window);
            return result;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

bool RegisterFormWindowClass() {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    form.lpfnWndProc = FormWindowProc;
    form.cbWndExtra = FormWindowExtraBytes;
    form.hInstance = Instance();
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Hollow: the window paints its own background. No class icon: icons come per window.
    form.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    form.lpszClassName = FormWindowClass;
    form_class = RegisterClassExW(&form);
    return form_class != 0;
}

void UnregisterFormWindowClass() {
    if (form_class != 0) UnregisterClassW(FormWindowClass, Instance());
    form_class = 0;
}

OpenWindow* CoreWindowOf(HWND window) {
    if (window == nullptr || form_class == 0 || GetClassLongPtrW(window, GCW_ATOM) != form_class) {
        return nullptr;
    }
    return reinterpret_cast<OpenWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int UnitOfControl(HWND window, HWND control) {
    if (control == nullptr || GetParent(control) != window) return NoUnit;
    return GetDlgCtrlID(control);
}

}  // namespace win32

namespace toolkit {

NativeWindow CreateTopLevel(const WindowParams& params, OpenWindow* core_window) {
    // No parent and no owner: the window has a task-bar button of its own.
    HWND window = CreateWindowExW(0, win32::FormWindowClass, win32::WideText(params.caption).get(),
                                  win32::WindowStyleOf(params.frame), params.origin.x, params.origin.y,
                                  params.size.width, params.size.height, nullptr, nullptr,
                                  win32::Instance(), core_window);
    if (window == nullptr) return nullptr;
    SetWindowLongW(window, win32::BackgroundColourSlot, static_cast<LONG>(params.background_colour));
    win32::KeepOuterSize(window, params);
    win32::SetIconsAndFont(window);
    return reinterpret_cast<NativeWindow>(window);
}

void ShowTopLevel(NativeWindow window, ShowMode mode) {
    int command = mode == ShowMode::Minimised   ? SW_SHOWMINIMIZED
                  : mode == ShowMode::Maximised ? SW_SHOWMAXIMIZED
                                                : SW_SHOW;
    ShowWindow(reinterpret_cast<HWND>(window), command);  // returns the previous visibility only
}

void DestroyTopLevel(NativeWindow window) { DestroyWindow(reinterpret_cast<HWND>(window)); }

}  // namespace toolkit
