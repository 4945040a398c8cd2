// The start window's frame: a fixed single frame with title bar, system menu, minimise and close
// boxes and nothing more; top-level with no owner and no menu; captioned "Korvessa".
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/program_under_test.h"

namespace {

using StartWindowFrame = StartedProgram;

std::string WindowStyleNames(DWORD style) {
    return DescribeBits(style, {{WS_CAPTION, "WS_CAPTION"},
                                {WS_BORDER, "WS_BORDER"},
                                {WS_DLGFRAME, "WS_DLGFRAME"},
                                {WS_SYSMENU, "WS_SYSMENU"},
                                {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
                                {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
                                {WS_THICKFRAME, "WS_THICKFRAME"},
                                {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"},
                                {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
                                {WS_VISIBLE, "WS_VISIBLE"},
                                {WS_DISABLED, "WS_DISABLED"},
                                {WS_POPUP, "WS_POPUP"},
                                {WS_CHILD, "WS_CHILD"},
                                {WS_MINIMIZE, "WS_MINIMIZE"},
                                {WS_MAXIMIZE, "WS_MAXIMIZE"},
                                {WS_VSCROLL, "WS_VSCROLL"},
                                {WS_HSCROLL, "WS_HSCROLL"}});
}

TEST_F(StartWindowFrame, StyleIsCaptionSystemMenuMinimiseBoxAndClipChildrenOnly) {
    auto style = static_cast<DWORD>(GetWindowLongW(program_.window(), GWL_STYLE));
    // Shown, so WS_VISIBLE is set too, and the system gives every top-level window
    // WS_CLIPSIBLINGS (Wine does so too); nothing else may be set (no maximise box, no sizing
    // frame).
    DWORD expected = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE |
                     WS_CLIPSIBLINGS;
    EXPECT_EQ(style, expected) << "window style: expected " << WindowStyleNames(expected)
                               << ", actual " << WindowStyleNames(style);
}

TEST_F(StartWindowFrame, ExtendedStyleIsNoneBeyondTheEdgeTheSystemAdds) {
    auto ex_style = static_cast<DWORD>(GetWindowLongW(program_.window(), GWL_EXSTYLE));
    // The program creates the window with extended style 0; the system itself adds
    // WS_EX_WINDOWEDGE to a window with a dialog frame, which WS_CAPTION includes (Wine does so
    // too), so that bit is allowed.
    DWORD beyond_edge = ex_style & ~static_cast<DWORD>(WS_EX_WINDOWEDGE);
    EXPECT_EQ(beyond_edge, 0u)
        << "extended style: expected 0 (WS_EX_WINDOWEDGE from the system aside), actual "
        << DescribeBits(ex_style, {{WS_EX_WINDOWEDGE, "WS_EX_WINDOWEDGE"},
                                   {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"},
                                   {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"},
                                   {WS_EX_TOPMOST, "WS_EX_TOPMOST"},
                                   {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"},
                                   {WS_EX_APPWINDOW, "WS_EX_APPWINDOW"},
                                   {WS_EX_CONTROLPARENT, "WS_EX_CONTROLPARENT"},
                                   {WS_EX_LAYERED, "WS_EX_LAYERED"},
                                   {WS_EX_CONTEXTHELP, "WS_EX_CONTEXTHELP"}});
}

TEST_F(StartWindowFrame, IsTopLevelWithoutOwnerOrMenu) {
    HWND window = program_.window();
    EXPECT_EQ(GetParent(window), nullptr)
        << "parent: expected none, actual " << DescribeWindow(GetParent(window));
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow())
        << "expected the desktop as the window's parent in the window tree, actual "
        << DescribeWindow(GetAncestor(window, GA_PARENT));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr)
        << "owner: expected none (so the window has a task-bar button of its own), actual "
        << DescribeWindow(GetWindow(window, GW_OWNER));
    EXPECT_EQ(GetMenu(window), nullptr)
        << "menu bar: expected none, actual " << Hex(reinterpret_cast<UINT_PTR>(GetMenu(window)));
}

TEST_F(StartWindowFrame, CaptionIsKorvessa) {
    std::wstring caption = WindowText(program_.window());
    EXPECT_EQ(caption, L"Korvessa") << "caption: expected " << DescribeText(L"Korvessa")
                                    << ", actual " << DescribeText(caption);
}

}  // namespace
