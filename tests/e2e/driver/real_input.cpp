// SendInput for keys and clicks; see real_input.h.
#include "real_input.h"

#include "polling.h"

namespace {

INPUT KeyInput(WORD virtual_key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

testing::AssertionResult Send(std::vector<INPUT> inputs, const std::string& what) {
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent == inputs.size()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "SendInput for " << what << " queued " << sent << " of "
                                       << inputs.size() << " events, error " << GetLastError();
}

// Absolute pointer positions are given in 1/65536 of the primary screen; rounding up lands on
// the pixel itself rather than the one before it.
LONG Normalised(LONG pixel, int screen_extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screen_extent - 1) /
                             screen_extent);
}

// A mouse event that puts the pointer at `target` as well as doing `flags`.
INPUT MouseInputAt(POINT target, DWORD flags) {
    return MouseInput(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                      Normalised(target.x, GetSystemMetrics(SM_CXSCREEN)),
                      Normalised(target.y, GetSystemMetrics(SM_CYSCREEN)));
}

testing::AssertionResult MoveTo(POINT target) {
    if (auto sent = Send({MouseInputAt(target, 0)}, "a pointer move"); !sent) return sent;
    POINT at{};
    if (polling::Until([&] { return GetCursorPos(&at) && at.x == target.x && at.y == target.y; })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "moved the pointer to " << target.x << ", " << target.y
                                       << " but it is at " << at.x << ", " << at.y;
}

// The system joins two clicks into a double click when the second comes within the double-click
// time of the first, whichever window each was meant for; a click here waits that time out, so
// a click at the end of one test and one at the start of the next stay two single clicks.
DWORD last_click_at = 0;

void WaitOutDoubleClickTime() {
    DWORD since = GetTickCount() - last_click_at;
    if (last_click_at != 0 && since <= GetDoubleClickTime()) Sleep(GetDoubleClickTime() - since + 50);
}

testing::AssertionResult Clicks(POINT screen_point, int count) {
    WaitOutDoubleClickTime();
    if (auto moved = MoveTo(screen_point); !moved) return moved;
    last_click_at = GetTickCount();
    // Each button event carries the position too: under Wine's virtual desktop a click sent
    // after the move alone sometimes landed where the pointer had been before it (seen: on the
    // last test's minimise box, minimising the new window).
    std::vector<INPUT> inputs;
    for (int i = 0; i < count; ++i) {
        inputs.push_back(MouseInputAt(screen_point, MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(MouseInputAt(screen_point, MOUSEEVENTF_LEFTUP));
    }
    return Send(inputs, count == 1 ? "a click" : "a double click");
}

}  // namespace

void PrintTo(const KeyChord& chord, std::ostream* out) { *out << chord.name; }

testing::AssertionResult Press(const KeyChord& chord) {
    std::vector<INPUT> inputs;
    for (WORD key : chord.keys) inputs.push_back(KeyInput(key, false));
    for (auto key = chord.keys.rbegin(); key != chord.keys.rend(); ++key) {
        inputs.push_back(KeyInput(*key, true));
    }
    return Send(inputs, chord.name);
}

testing::AssertionResult Click(POINT screen_point) { return Clicks(screen_point, 1); }

testing::AssertionResult DoubleClick(POINT screen_point) { return Clicks(screen_point, 2); }
