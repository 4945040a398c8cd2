// Two starts of the program are two independent processes with a window each: closing one
// leaves the other running and shown, and each ends with exit code 0. Bringing the remaining
// window back to the front gives the focus back to its Load button.
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"

namespace {

TEST(TwoStarts, GiveTwoIndependentWindowsThatCloseOneByOne) {
    ProgramUnderTest first;
    ProgramUnderTest second;
    ASSERT_TRUE(first.StartAndWaitUntilReady()) << "first start";
    ASSERT_TRUE(second.StartAndWaitUntilReady()) << "second start";

    EXPECT_NE(first.process_id(), second.process_id()) << "expected two processes";
    EXPECT_NE(first.window(), second.window()) << "expected two windows";
    for (const ProgramUnderTest* program : {&first, &second}) {
        EXPECT_EQ(FormWindowsOf(program->process_id()).size(), 1u)
            << "form windows of process " << program->process_id() << ": expected 1";
    }

    // The second window is in front, so Esc goes to it.
    ASSERT_TRUE(Press({"Esc", {VK_ESCAPE}}));
    std::optional<DWORD> second_exit = second.WaitForExit();
    ASSERT_TRUE(second_exit.has_value()) << "Esc on the second window: expected its program to end";
    EXPECT_EQ(*second_exit, 0u) << "exit code of the second program: expected 0, actual "
                                << *second_exit;
    ASSERT_TRUE(first.IsRunning()) << "closing the second window must leave the first program";
    EXPECT_TRUE(IsWindowVisible(first.window()))
        << "closing the second window must leave the first one shown";

    // Another process may bring a window to the front; the window then passes the focus on.
    SetForegroundWindow(first.window());
    ASSERT_TRUE(first.WaitUntilActiveWithFocusOnButton()) << "first window brought to the front";
    ASSERT_TRUE(Press({"Esc", {VK_ESCAPE}}));
    std::optional<DWORD> first_exit = first.WaitForExit();
    ASSERT_TRUE(first_exit.has_value()) << "Esc on the first window: expected its program to end";
    EXPECT_EQ(*first_exit, 0u) << "exit code of the first program: expected 0, actual "
                               << *first_exit;
}

}  // namespace
