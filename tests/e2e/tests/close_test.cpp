// Every way a person closes the start window ends the program with exit code 0: Esc, Alt+F4,
// Close in the system menu and the close box, each with real input. The program runs on until
// then.
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/polling.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"
#include "../driver/title_bar.h"

namespace {

testing::AssertionResult PressEsc(ProgramUnderTest&) { return Press({"Esc", {VK_ESCAPE}}); }

testing::AssertionResult PressAltF4(ProgramUnderTest&) {
    return Press({"Alt+F4", {VK_MENU, VK_F4}});
}

// Alt+Space opens the system menu; once it is open, C picks Close.
testing::AssertionResult PickCloseInSystemMenu(ProgramUnderTest& program) {
    if (auto pressed = Press({"Alt+Space", {VK_MENU, VK_SPACE}}); !pressed) return pressed;
    bool open = polling::Until([&] {
        GUITHREADINFO info = program.ThreadInfo();
        return (info.flags & GUI_INMENUMODE) != 0 && info.hwndMenuOwner == program.window();
    });
    if (!open) {
        GUITHREADINFO info = program.ThreadInfo();
        return testing::AssertionFailure()
               << "Alt+Space: expected the system menu of the start window to open; menu owner "
               << DescribeWindow(info.hwndMenuOwner) << ", GUITHREADINFO flags "
               << Hex(info.flags);
    }
    return Press({"C", {'C'}});
}

testing::AssertionResult ClickCloseBox(ProgramUnderTest& program) {
    std::optional<POINT> box = FindTitleBarPart(program.window(), HTCLOSE);
    if (!box) {
        return testing::AssertionFailure() << "no point of the title bar is the close box "
                                              "(HTCLOSE)";
    }
    return Click(*box);
}

struct CloseCase {
    const char* name;
    testing::AssertionResult (*close)(ProgramUnderTest&);
};

void PrintTo(const CloseCase& row, std::ostream* out) { *out << row.name; }

class ClosingTheStartWindow : public StartedProgram,
                              public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTheStartWindow, EndsTheProgramWithExitCode0) {
    // Until the close the program runs on: it has not ended by itself since start.
    ASSERT_TRUE(program_.IsRunning()) << "the program ended before " << GetParam().name;
    ASSERT_TRUE(GetParam().close(program_));
    std::optional<DWORD> exit_code = program_.WaitForExit();
    ASSERT_TRUE(exit_code.has_value())
        << GetParam().name << ": expected the program to end; it still runs after "
        << polling::ActionDeadline.count() << " ms, window "
        << (IsWindow(program_.window()) ? "still there" : "gone");
    EXPECT_EQ(*exit_code, 0u) << GetParam().name << ": expected exit code 0, actual " << *exit_code
                              << " (" << Hex(*exit_code) << ")";
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTheStartWindow,
                         testing::Values(CloseCase{"Esc", PressEsc},
                                         CloseCase{"AltF4", PressAltF4},
                                         CloseCase{"SystemMenuClose", PickCloseInSystemMenu},
                                         CloseCase{"CloseBox", ClickCloseBox}),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
