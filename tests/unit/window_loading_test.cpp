// LoadWindow: the load order, the placement, the settings handed to the toolkit, and a load
// that a handler ends by destroying the window.
#include "runtime_fixture.h"
#include "ui/start_window_form.h"

namespace {

class WindowLoading : public RuntimeTest {};

TEST_F(WindowLoading, BuildsHiddenAnnouncesThenShows) {
    ReadTestForms();
    LoadWindow(test_forms::LifecycleWindow);
    EXPECT_EQ(fake::toolkit().log,
              (std::vector<std::string>{"create window", "create button 1", "hide button 1",
                                        "show window"}));
    EXPECT_EQ(test_forms::seen(),
              (std::vector<std::string>{"created (hidden, controls built)", "moved", "resized"}));
    EXPECT_EQ(OnlyWindow().shown_as, toolkit::ShowMode::Minimised);
}

TEST_F(WindowLoading, HandlerThatDestroysTheWindowEndsTheLoadWithoutError) {
    ReadTestForms();
    LoadWindow(test_forms::SelfClosingWindow);
    EXPECT_EQ(test_forms::seen(), std::vector<std::string>{"created, closing"})
        << "the load went on after the window was destroyed";
    EXPECT_EQ(fake::toolkit().log, (std::vector<std::string>{"create window", "destroy window"}));
    RunMessageLoop();
    EXPECT_EQ(fake::toolkit().loops_run, 0);
}

struct CentringCase {
    toolkit::Size screen;
    toolkit::Point expected;
};

// Truncation toward zero matters for screens narrower than the window.
const CentringCase CentringCases[] = {
    {{1024, 768}, {322, 260}},
    {{1366, 768}, {493, 260}},
    {{379, 768}, {0, 260}},
    {{300, 200}, {-40, -23}},
};

TEST_F(WindowLoading, StartWindowIsCentredOnThePrimaryScreenAtItsOuterSize) {
    for (const CentringCase& c : CentringCases) {
        runtime::state() = runtime::State{};
        fake::Reset();
        fake::toolkit().screen = c.screen;
        InitRuntime();
        LoadWindow(StartWindowId);
        const toolkit::WindowParams& params = OnlyWindow().params;
        EXPECT_EQ(params.origin.x, c.expected.x) << "screen " << c.screen.width << "x" << c.screen.height;
        EXPECT_EQ(params.origin.y, c.expected.y) << "screen " << c.screen.width << "x" << c.screen.height;
        EXPECT_EQ(params.size.width, 380);
        EXPECT_EQ(params.size.height, 247);
    }
}

TEST_F(WindowLoading, StartWindowSettingsReachTheToolkit) {
    InitRuntime();
    LoadWindow(StartWindowId);
    const fake::Window& window = OnlyWindow();
    EXPECT_STREQ(window.params.caption, "Korvessa");
    EXPECT_FALSE(window.params.frame.resizable);
    EXPECT_TRUE(window.params.frame.system_menu);
    EXPECT_TRUE(window.params.frame.minimise_box);
    EXPECT_FALSE(window.params.frame.maximise_box);
    EXPECT_EQ(window.params.background_colour, SystemDefaultColour);
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.shown_as, toolkit::ShowMode::Normal);

    ASSERT_EQ(fake::toolkit().controls.size(), 1u);
    const fake::Control& button = fake::toolkit().controls[0];
    EXPECT_EQ(button.params.origin.x, 136);
    EXPECT_EQ(button.params.origin.y, 88);
    EXPECT_EQ(button.params.size.width, 88);
    EXPECT_EQ(button.params.size.height, 32);
    EXPECT_STREQ(button.params.caption, "\xD4\xD8\xC8\xEB");
    EXPECT_TRUE(button.params.tab_stop);
    EXPECT_FALSE(button.params.default_button);
    EXPECT_FALSE(button.params.disabled);
    EXPECT_TRUE(button.visible);
}

TEST_F(WindowLoading, ManualStartPositionUsesTheStoredPlace) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    EXPECT_EQ(OnlyWindow().params.origin.x, 10);
    EXPECT_EQ(OnlyWindow().params.origin.y, 20);
    LoadWindow(test_forms::EnterMovesWindow);
    EXPECT_EQ(fake::toolkit().windows[1].shown_as, toolkit::ShowMode::Maximised);
}

}  // namespace
