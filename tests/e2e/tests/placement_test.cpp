// Where the start window appears: centred on the primary screen at its outer size of 380 x 247,
// whatever the frame metrics, each quotient truncated toward zero (so a screen narrower than the
// window puts it at x <= 0). The same test runs on desktops of several sizes; each size has its
// row of the table.
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/program_under_test.h"

namespace {

using StartWindowPlacement = StartedProgram;

struct ScreenCase {
    SIZE screen;
    POINT origin;
};

// Written out rather than computed, so a wrong rounding cannot hide in both program and test.
constexpr ScreenCase Screens[] = {
    {{1024, 768}, {322, 260}},
    {{1366, 768}, {493, 260}},
    {{379, 600}, {0, 176}},  // -1 / 2 truncates to 0, not -1
    {{300, 600}, {-40, 176}},
};

constexpr SIZE OuterSize{380, 247};

TEST_F(StartWindowPlacement, OuterRectangleIsCentredOnThePrimaryScreen) {
    SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const ScreenCase* row = nullptr;
    for (const ScreenCase& candidate : Screens) {
        if (candidate.screen.cx == screen.cx && candidate.screen.cy == screen.cy) row = &candidate;
    }
    ASSERT_NE(row, nullptr) << "no expected place for a " << screen.cx << " x " << screen.cy
                            << " primary screen: add a row to Screens";
    RECT expected{row->origin.x, row->origin.y, row->origin.x + OuterSize.cx,
                  row->origin.y + OuterSize.cy};
    RECT actual{};
    ASSERT_TRUE(GetWindowRect(program_.window(), &actual));
    EXPECT_TRUE(EqualRect(&actual, &expected))
        << "outer rectangle on a " << screen.cx << " x " << screen.cy << " screen: expected "
        << DescribeRect(expected) << ", actual " << DescribeRect(actual);
}

TEST_F(StartWindowPlacement, ClientAreaIsTheOuterSizeLessFrameAndTitleBar) {
    HWND window = program_.window();
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    // Growing the client area by this window's own frame and title bar gives its outer size.
    RECT grown = client;
    ASSERT_TRUE(AdjustWindowRectEx(&grown, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                                   FALSE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))));
    EXPECT_EQ(grown.right - grown.left, OuterSize.cx)
        << "client area " << DescribeRect(client) << " plus frame: expected width "
        << OuterSize.cx << ", actual " << grown.right - grown.left;
    EXPECT_EQ(grown.bottom - grown.top, OuterSize.cy)
        << "client area " << DescribeRect(client) << " plus frame and title bar: expected height "
        << OuterSize.cy << ", actual " << grown.bottom - grown.top;
    EXPECT_LT(client.right, OuterSize.cx) << "client width must be less than the outer width";
    EXPECT_LT(client.bottom, OuterSize.cy) << "client height must be less than the outer height";
}

}  // namespace
