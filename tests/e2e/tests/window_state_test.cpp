// Minimising and restoring the start window, and the title bar's double click, with real mouse
// input: restored, the window is back where it was with the focus on the Load button; it can
// never be maximised.
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/input_barrier.h"
#include "../driver/polling.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"
#include "../driver/title_bar.h"
#include "../driver/unchanged_window.h"

namespace {

using StartWindowState = StartedProgram;

TEST_F(StartWindowState, MinimisedAndRestoredItComesBackInPlaceWithTheFocusOnTheButton) {
    HWND window = program_.window();
    RECT before{};
    ASSERT_TRUE(GetWindowRect(window, &before));
    std::optional<POINT> minimise_box = FindTitleBarPart(window, HTMINBUTTON);
    ASSERT_TRUE(minimise_box.has_value()) << "no point of the title bar is the minimise box";
    ASSERT_TRUE(Click(*minimise_box));
    ASSERT_TRUE(polling::Until([&] { return IsIconic(window) != FALSE; }))
        << "clicking the minimise box at " << minimise_box->x << ", " << minimise_box->y
        << ": expected the start window to be minimised";

    // A task-bar button restores a minimised window with SC_RESTORE; Wine's virtual desktop has
    // no task bar to click, so the driver sends what it would.
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(polling::Until([&] { return IsIconic(window) == FALSE; }))
        << "SC_RESTORE: expected the start window restored";

    RECT after{};
    ASSERT_TRUE(GetWindowRect(window, &after));
    EXPECT_TRUE(EqualRect(&after, &before)) << "restored: expected the start window at "
                                            << DescribeRect(before) << ", actual "
                                            << DescribeRect(after);
    EXPECT_TRUE(program_.WaitUntilActiveWithFocusOnButton()) << "after restoring";
}

TEST_F(StartWindowState, DoubleClickOnTheTitleBarDoesNotMaximise) {
    HWND window = program_.window();
    RECT before{};
    ASSERT_TRUE(GetWindowRect(window, &before));
    std::optional<POINT> caption = FindTitleBarPart(window, HTCAPTION);
    ASSERT_TRUE(caption.has_value()) << "no point of the title bar is its caption (HTCAPTION)";
    InputBarrier barrier(program_);
    ASSERT_TRUE(DoubleClick(*caption));
    ASSERT_TRUE(barrier.Pass()) << "after the double click on the title bar";
    EXPECT_TRUE(StillAsBefore(program_, before, "a double click on the title bar"));
}

}  // namespace
