// e2e_probe.dll: runs inside korvessa.exe, where the driver hooks it into the UI thread's
// message retrieval (WH_GETMESSAGE). It only looks: on the driver's request message it reads
// the start window's class and fonts in the program's own process and writes them to the shared
// memory (the request becomes WM_NULL, so the program never sees it); it counts the input
// barrier's key-ups as the program takes them from its queue; and it counts the click reports
// (BN_CLICKED) that buttons send to their window.
#include <cwchar>

#include "probe_shared.h"

namespace {

// Mapped on first use and kept: the driver's memory outlives the hook.
probe::Shared* SharedMemory() {
    static probe::Shared* shared = nullptr;
    if (shared == nullptr) {
        wchar_t name[96];
        swprintf(name, 96, L"%ls%lu", probe::SharedMemoryPrefix, GetCurrentProcessId());
        HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
        if (mapping == nullptr) return nullptr;
        shared = static_cast<probe::Shared*>(
            MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(probe::Shared)));
        CloseHandle(mapping);  // the view keeps the memory
    }
    return shared;
}

probe::FontFacts FactsOf(HFONT font) {
    probe::FontFacts facts{};
    facts.handle = reinterpret_cast<UINT_PTR>(font);
    LOGFONTW logical{};
    facts.object_bytes = font != nullptr ? GetObjectW(font, sizeof logical, &logical) : 0;
    facts.height = logical.lfHeight;
    facts.weight = logical.lfWeight;
    facts.charset = logical.lfCharSet;
    wcsncpy(facts.face, logical.lfFaceName, LF_FACESIZE - 1);
    return facts;
}

HFONT FontOf(HWND window) {
    return window != nullptr ? reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))
                             : nullptr;
}

probe::IconFacts IconFactsOf(HWND window, WPARAM which) {
    probe::IconFacts facts{};
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    facts.handle = reinterpret_cast<UINT_PTR>(icon);
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return facts;
    BITMAP image{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof image, &image);
    facts.width = image.bmWidth;
    // A monochrome icon stacks its AND and XOR masks in one bitmap of twice the height.
    facts.height = info.hbmColor != nullptr ? image.bmHeight : image.bmHeight / 2;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return facts;
}

void FillReport(probe::Report& report, HWND window) {
    report.class_cursor = GetClassLongPtrW(window, GCLP_HCURSOR);
    report.arrow_cursor = reinterpret_cast<UINT_PTR>(LoadCursorW(nullptr, IDC_ARROW));
    report.class_background = GetClassLongPtrW(window, GCLP_HBRBACKGROUND);
    report.null_brush = reinterpret_cast<UINT_PTR>(GetStockObject(NULL_BRUSH));
    report.class_icon = GetClassLongPtrW(window, GCLP_HICON);
    report.class_small_icon = GetClassLongPtrW(window, GCLP_HICONSM);
    report.window_font = FactsOf(FontOf(window));
    report.button_font = FactsOf(FontOf(FindWindowExW(window, nullptr, L"Button", nullptr)));
    report.default_gui_font = FactsOf(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    report.big_icon = IconFactsOf(window, ICON_BIG);
    report.small_icon = IconFactsOf(window, ICON_SMALL);
}

void Answer(HWND window) {
    probe::Shared* shared = SharedMemory();
    if (shared == nullptr) return;
    FillReport(shared->report, window);
    wchar_t name[96];
    swprintf(name, 96, L"%ls%lu", probe::ReportReadyEventPrefix, GetCurrentProcessId());
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    if (ready == nullptr) return;
    SetEvent(ready);
    CloseHandle(ready);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessageHook(int code, WPARAM removal,
                                                                      LPARAM message) {
    static const UINT request = RegisterWindowMessageW(probe::RequestMessageName);
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE) {
        if (msg->message == request) {
            Answer(msg->hwnd);
            msg->message = WM_NULL;
        } else if (msg->message == WM_KEYUP && msg->wParam == probe::BarrierKey) {
            if (probe::Shared* shared = SharedMemory()) {
                InterlockedIncrement(&shared->barrier_key_ups_taken);
            }
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProcHook(int code, WPARAM from_thread,
                                                                       LPARAM message) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(message);
    if (code == HC_ACTION && sent->message == WM_COMMAND && HIWORD(sent->wParam) == BN_CLICKED &&
        sent->lParam != 0) {
        if (probe::Shared* shared = SharedMemory()) {
            InterlockedIncrement(&shared->button_clicks_reported);
        }
    }
    return CallNextHookEx(nullptr, code, from_thread, message);
}
