// The "nothing changed" check; see unchanged_window.h.
#include "unchanged_window.h"

#include "describe.h"

testing::AssertionResult StillAsBefore(const ProgramUnderTest& program, const RECT& outer_before,
                                       const std::string& what) {
    auto failure = [&]() { return testing::AssertionFailure() << "after " << what << ": "; };
    if (!program.IsRunning()) return failure() << "expected the program to run on; it has ended";
    HWND window = program.window();
    if (!IsWindow(window) || !IsWindowVisible(window)) {
        return failure() << "expected the start window to be shown; it is "
                         << (IsWindow(window) ? "hidden" : "gone");
    }
    if (IsIconic(window) || IsZoomed(window)) {
        return failure() << "expected the start window in its normal state; it is "
                         << (IsIconic(window) ? "minimised" : "maximised");
    }
    RECT outer{};
    GetWindowRect(window, &outer);
    if (!EqualRect(&outer, &outer_before)) {
        return failure() << "expected the start window at " << DescribeRect(outer_before)
                         << ", actual " << DescribeRect(outer);
    }
    GUITHREADINFO info = program.ThreadInfo();
    if (GetForegroundWindow() != window || info.hwndActive != window) {
        return failure() << "expected the start window in front and active; foreground "
                         << DescribeWindow(GetForegroundWindow()) << ", active "
                         << DescribeWindow(info.hwndActive);
    }
    if (info.hwndFocus != program.button()) {
        return failure() << "expected the focus on the Load button " << DescribeWindow(program.button())
                         << ", actual " << DescribeWindow(info.hwndFocus);
    }
    if ((info.flags & (GUI_INMENUMODE | GUI_INMOVESIZE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) !=
        0) {
        return failure() << "expected no menu or move loop open; GUITHREADINFO flags "
                         << Hex(info.flags);
    }
    std::vector<HWND> shown = program.VisibleTopLevelWindows();
    if (shown.size() != 1 || shown[0] != window) {
        auto result = failure() << "expected the start window as the program's only shown window; "
                                   "actual: ";
        for (HWND other : shown) result << "[" << DescribeWindow(other) << "] ";
        return result;
    }
    return testing::AssertionSuccess();
}
