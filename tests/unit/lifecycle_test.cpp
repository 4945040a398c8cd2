// The run's life: end routines, the message loop and its quit rule, the orderly end through
// RunProgram with the program's own ProgramMain, and the fatal end of a failed start.
#include <unistd.h>

#include "runtime/entry.h"
#include "runtime_fixture.h"
#include "ui/start_window_form.h"

namespace {

std::vector<std::string> ran;
void First() { ran.push_back("first"); }
void Second() { ran.push_back("second"); }

class Lifecycle : public RuntimeTest {
  protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        ran.clear();
    }
};

TEST_F(Lifecycle, EndRoutinesRunOnceInRegistrationOrderAndARepeatIsIgnored) {
    RegisterEndRoutine(First);
    RegisterEndRoutine(Second);
    RegisterEndRoutine(First);
    EndProgram(0);
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
    EndProgram(0);
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"})) << "a second end ran routines again";
}

// The runtime is still usable in an end routine: its own resources go only after them.
TEST_F(Lifecycle, EndRoutinesRunBeforeTheToolkitStopsAndTheToolkitStopsOnce) {
    static std::vector<std::string>* log = &fake::toolkit().log;
    RegisterEndRoutine([] { log->push_back("end routine"); });
    fake::toolkit().started = true;
    runtime::state().toolkit_started = true;
    EndProgram(0);
    EndProgram(0);
    EXPECT_EQ(fake::toolkit().log, (std::vector<std::string>{"end routine", "stop"}));
}

TEST_F(Lifecycle, MessageLoopWithoutAWindowReturnsAtOnce) {
    RunMessageLoop();
    EXPECT_EQ(fake::toolkit().loops_run, 0);
}

TEST_F(Lifecycle, WindowDestroyedBeforeTheLoopPostsNoQuitAndTheLoopThenReturnsAtOnce) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    fake::RequestClose(0);
    EXPECT_TRUE(fake::toolkit().posted_quits.empty());
    RunMessageLoop();
    EXPECT_EQ(fake::toolkit().loops_run, 0);
}

TEST_F(Lifecycle, QuitIsPostedOnlyWhenTheLastWindowGoes) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    LoadWindow(test_forms::EnterMovesWindow);
    fake::toolkit().user_actions = [] {
        fake::RequestClose(0);
        EXPECT_TRUE(fake::toolkit().posted_quits.empty()) << "quit posted with a window still open";
        fake::RequestClose(1);
    };
    RunMessageLoop();
    EXPECT_EQ(fake::toolkit().posted_quits, std::vector<int>{0});
}

// The whole orderly run: the program's ProgramMain over the fake, closed by the user.
TEST_F(Lifecycle, ClosingTheStartWindowEndsTheRunWithZero) {
    fake::toolkit().user_actions = [] {
        EXPECT_TRUE(OnlyWindow().visible);
        fake::RequestClose(0);
    };
    EXPECT_EQ(runtime::RunProgram(), 0);
    EXPECT_EQ(fake::toolkit().log,
              (std::vector<std::string>{"start", "create window", "create button 1",
                                        "show button 1", "show window", "loop",
                                        "destroy window", "quit 0", "stop"}));
    EXPECT_EQ(runtime::FindTemplate(StartWindowId), nullptr) << "templates outlived the run";
}

void EndRoutineThatMustNotRun() { _exit(7); }

// Each failed start: an error box with no window left on screen, no end routine (it would exit
// with 7), exit code -1.
struct FatalCase {
    const char* what;
    void (*fail)();
    const char* message;
};

const FatalCase FatalCases[] = {
    {"toolkit refuses to start", [] { fake::toolkit().refuse_start = true; runtime::RunProgram(); },
     "could not create the window"},
    {"no template bears the identifier", [] { LoadWindow(0x12345678); }, "No window template"},
    {"the window cannot be created",
     [] { fake::toolkit().refuse_windows = true; LoadWindow(test_forms::KeyWindow); },
     "could not create the window"},
    {"a control cannot be created",
     [] { fake::toolkit().refuse_button_at = 3; LoadWindow(test_forms::KeyWindow); },
     "could not create the window"},
};

TEST_F(Lifecycle, FailedStartReportsAndExitsWithMinusOneWithoutEndRoutines) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const FatalCase& c : FatalCases) {
        EXPECT_EXIT(
            {
                ReadTestForms();
                RegisterEndRoutine(EndRoutineThatMustNotRun);
                c.fail();
            },
            ::testing::ExitedWithCode(255), std::string("fatal error box \\(0 windows open\\): .*") + c.message)
            << c.what;
    }
}

}  // namespace
