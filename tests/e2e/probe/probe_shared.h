// What the in-process probe (e2e_probe.dll, hooked into korvessa.exe's UI thread) and the
// driver share: the names of the request message, the shared memory and the event, and the
// memory's layout. The probe answers, from inside the program's own process, what Wine does not
// answer across processes, and counts the input barrier's key taps as the program takes them
// in, and the clicks its buttons report. Plain fixed-size data, as both sides map it.
#pragma once

#include <windows.h>

namespace probe {

// Posted to the start window; the probe answers it and turns it into WM_NULL, so the program
// never sees it.
constexpr const wchar_t* RequestMessageName = L"Korvessa.E2E.ProbeRequest";

// Named per program process: "<prefix><process id>". The driver creates both before it hooks.
constexpr const wchar_t* SharedMemoryPrefix = L"Local\\Korvessa.E2E.Probe.";
constexpr const wchar_t* ReportReadyEventPrefix = L"Local\\Korvessa.E2E.ProbeReady.";

// The hook procedures the driver installs (exported undecorated): one sees each message the
// thread takes from its queue (WH_GETMESSAGE), the other each message sent to a window of the
// thread (WH_CALLWNDPROC), such as a button's click report.
constexpr const char* GetMessageHookName = "ProbeGetMessageHook";
constexpr const char* CallWndProcHookName = "ProbeCallWndProcHook";

// The key whose key-up the program's thread takes in marks the input barrier.
constexpr WPARAM BarrierKey = VK_CONTROL;

struct FontFacts {
    UINT_PTR handle;   // as the program sees it
    int object_bytes;  // GetObjectW's result: 0 when the handle is no font
    LONG height;
    LONG weight;
    BYTE charset;
    wchar_t face[LF_FACESIZE];
};

// A window's icon (WM_GETICON) and the size of its image.
struct IconFacts {
    UINT_PTR handle;
    LONG width;
    LONG height;
};

struct Report {
    // The window class, read with GetClassLongPtrW inside the program.
    UINT_PTR class_cursor;
    UINT_PTR arrow_cursor;  // LoadCursorW(nullptr, IDC_ARROW) in the program
    UINT_PTR class_background;
    UINT_PTR null_brush;  // GetStockObject(NULL_BRUSH) in the program
    UINT_PTR class_icon;
    UINT_PTR class_small_icon;
    // The fonts, by WM_GETFONT sent inside the program.
    FontFacts window_font;
    FontFacts button_font;
    FontFacts default_gui_font;  // GetStockObject(DEFAULT_GUI_FONT) in the program
    // The window's own icons, by WM_GETICON inside the program.
    IconFacts big_icon;
    IconFacts small_icon;
};

struct Shared {
    LONG barrier_key_ups_taken;  // WM_KEYUP of BarrierKey removed from the program's queue
    LONG button_clicks_reported;  // WM_COMMAND BN_CLICKED sent to a window by its button
    Report report;               // written on each request, then the event is set
};

}  // namespace probe
