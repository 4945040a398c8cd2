// Activation and focus after start: the start window is the foreground and active window, and
// it has handed the keyboard focus to the Load button.
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/polling.h"
#include "../driver/program_under_test.h"

namespace {

TEST(StartWindowFocus, AfterStartTheWindowIsActiveAndTheButtonHasTheFocus) {
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForStartWindow());
    // Showing and activating follow the window's appearance closely, but not at once.
    polling::Until([&] {
        GUITHREADINFO info = program.ThreadInfo();
        return GetForegroundWindow() == program.window() && info.hwndFocus == program.button();
    });
    GUITHREADINFO info = program.ThreadInfo();
    EXPECT_EQ(GetForegroundWindow(), program.window())
        << "foreground window: expected the start window " << DescribeWindow(program.window())
        << ", actual " << DescribeWindow(GetForegroundWindow());
    EXPECT_EQ(info.hwndActive, program.window())
        << "active window of the program's thread: expected the start window "
        << DescribeWindow(program.window()) << ", actual " << DescribeWindow(info.hwndActive);
    EXPECT_EQ(info.hwndFocus, program.button())
        << "keyboard focus of the program's thread: expected the Load button "
        << DescribeWindow(program.button()) << ", actual " << DescribeWindow(info.hwndFocus);
}

}  // namespace
