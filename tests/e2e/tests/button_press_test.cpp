// Pressing the Load button for real, by Space while it has the focus or by a mouse click on it,
// makes it report exactly one click to the start window. (What a click then does is the Load
// action's own business.)
#include <gtest/gtest.h>

#include "../driver/input_barrier.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"

namespace {

testing::AssertionResult PressSpace(const ProgramUnderTest&) {
    return Press({"Space", {VK_SPACE}});
}

testing::AssertionResult ClickTheButton(const ProgramUnderTest& program) {
    RECT button{};
    if (!GetWindowRect(program.button(), &button)) {
        return testing::AssertionFailure() << "no rectangle for the Load button";
    }
    return Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
}

struct PressCase {
    const char* name;
    testing::AssertionResult (*press)(const ProgramUnderTest&);
};

void PrintTo(const PressCase& row, std::ostream* out) { *out << row.name; }

class PressingTheLoadButton : public StartedProgram,
                              public testing::WithParamInterface<PressCase> {};

TEST_P(PressingTheLoadButton, ReportsOneClick) {
    InputBarrier barrier(program_);
    ASSERT_TRUE(GetParam().press(program_));
    ASSERT_TRUE(barrier.Pass()) << "after " << GetParam().name;
    EXPECT_EQ(barrier.probe().ButtonClicksReported(), 1)
        << GetParam().name << ": expected the Load button to report 1 click";
    EXPECT_TRUE(program_.IsRunning()) << GetParam().name << ": expected the program to run on";
}

INSTANTIATE_TEST_SUITE_P(Ways, PressingTheLoadButton,
                         testing::Values(PressCase{"Space", PressSpace},
                                         PressCase{"MouseClick", ClickTheButton}),
                         [](const testing::TestParamInfo<PressCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
