// The window's key and focus rules, over the program's own form and over a test form that has
// what the program's lacks: default buttons, access keys, disabled and hidden units.
#include "runtime_fixture.h"
#include "ui/start_window_form.h"

namespace {

KeyPress Alone(Key key) { return {.key = key, .character = 0, .ctrl = false, .shift = false, .alt = false}; }
KeyPress Shift(Key key) { return {.key = key, .character = 0, .ctrl = false, .shift = true, .alt = false}; }
KeyPress Ctrl(Key key) { return {.key = key, .character = 0, .ctrl = true, .shift = false, .alt = false}; }
KeyPress Alt(char c) { return {.key = Key::Character, .character = c, .ctrl = false, .shift = false, .alt = true}; }
KeyPress AltKey(Key key) { return {.key = key, .character = 0, .ctrl = false, .shift = false, .alt = true}; }

class KeysAndFocus : public RuntimeTest {};

struct StartWindowKeyCase {
    const char* what;
    KeyPress key;
    bool consumed;
    bool closes;
};

const StartWindowKeyCase StartWindowKeyCases[] = {
    {"Esc", Alone(Key::Escape), true, true},
    {"Shift+Esc", Shift(Key::Escape), false, false},
    {"Ctrl+Esc", Ctrl(Key::Escape), false, false},
    {"Enter", Alone(Key::Enter), false, false},
    {"Tab", Alone(Key::Tab), true, false},
    {"Shift+Tab", Shift(Key::Tab), true, false},
    {"Ctrl+Tab", Ctrl(Key::Tab), false, false},
    {"Alt+Z", Alt('Z'), false, false},
    {"Alt+F4 is the system's", AltKey(Key::Other), false, false},
    {"F1 or any other key", Alone(Key::Other), false, false},
};

TEST_F(KeysAndFocus, StartWindowKeys) {
    for (const StartWindowKeyCase& c : StartWindowKeyCases) {
        runtime::state() = runtime::State{};
        fake::Reset();
        InitRuntime();
        LoadWindow(StartWindowId);
        fake::Activate(0);
        ASSERT_EQ(fake::FocusedUnit(), 1) << "the Load button takes the focus on activation";
        EXPECT_EQ(fake::PressKey(0, c.key), c.consumed) << c.what;
        EXPECT_EQ(fake::toolkit().windows[0].destroyed, c.closes) << c.what;
        if (!c.closes) {
            EXPECT_EQ(fake::FocusedUnit(), 1) << c.what << " moved the focus off the button";
        }
    }
}

using test_forms::KeyUnit;

struct PressCase {
    const char* what;
    int focused;  // unit index, or NoUnit
    KeyPress key;
    const char* pressed;  // nullptr: nothing pressed, key not consumed
};

const PressCase PressCases[] = {
    {"Enter on a plain button presses the first default button", KeyUnit::Save, Alone(Key::Enter), "cancel"},
    {"Enter on a default button presses that one", KeyUnit::SecondDefault, Alone(Key::Enter), "second default"},
    {"Enter with the window focused", NoUnit, Alone(Key::Enter), "cancel"},
    {"Shift+Enter is not Enter", KeyUnit::Save, Shift(Key::Enter), nullptr},
    {"Alt+S matches a lower-case marker", KeyUnit::Cancel, Alt('S'), "save"},
    {"Alt+2 matches a digit marker", KeyUnit::Cancel, Alt('2'), "print"},
    {"Alt+H: a doubled ampersand is no marker", KeyUnit::Cancel, Alt('H'), nullptr},
    {"Alt+Q: a disabled unit is not pressed", KeyUnit::Cancel, Alt('Q'), nullptr},
    {"Alt+I: a hidden unit is not pressed", KeyUnit::Cancel, Alt('I'), nullptr},
    {"S without Alt", KeyUnit::Cancel, {.key = Key::Character, .character = 'S', .ctrl = false, .shift = false, .alt = false}, nullptr},
    {"Esc where Esc closes is off", KeyUnit::Cancel, Alone(Key::Escape), nullptr},
};

TEST_F(KeysAndFocus, DefaultButtonsAndAccessKeys) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    OpenWindow* window = fake::toolkit().windows[0].core;
    for (const PressCase& c : PressCases) {
        test_forms::seen().clear();
        bool consumed = input::KeyDown(window, c.focused, c.key);
        EXPECT_EQ(consumed, c.pressed != nullptr) << c.what;
        std::vector<std::string> expected;
        if (c.pressed != nullptr) expected.push_back(c.pressed);
        EXPECT_EQ(test_forms::seen(), expected) << c.what;
    }
    EXPECT_FALSE(fake::toolkit().windows[0].destroyed);
}

// Tab order Cancel (0), Print (1), Save (2), Hide (3); Quiet is disabled, Invisible hidden and
// Second no tab stop, so the cycle skips them.
TEST_F(KeysAndFocus, TabCyclesThroughTabStopsInTabOrder) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    fake::Activate(0);
    std::vector<int> forward{fake::FocusedUnit()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(fake::PressKey(0, Alone(Key::Tab)));
        forward.push_back(fake::FocusedUnit());
    }
    EXPECT_EQ(forward, (std::vector<int>{KeyUnit::Cancel, KeyUnit::Print, KeyUnit::Save,
                                         KeyUnit::Hide, KeyUnit::Cancel}));
    std::vector<int> backward;
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(fake::PressKey(0, Shift(Key::Tab)));
        backward.push_back(fake::FocusedUnit());
    }
    EXPECT_EQ(backward, (std::vector<int>{KeyUnit::Hide, KeyUnit::Save}));
}

TEST_F(KeysAndFocus, FocusComesBackToTheControlThatLastHadIt) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    fake::Activate(0);
    EXPECT_EQ(fake::FocusedUnit(), KeyUnit::Cancel) << "first tab stop";
    fake::PressKey(0, Alone(Key::Tab));
    fake::PressKey(0, Alone(Key::Tab));
    fake::Deactivate(0);
    EXPECT_EQ(fake::FocusedUnit(), NoUnit);
    fake::Activate(0);
    EXPECT_EQ(fake::FocusedUnit(), KeyUnit::Save);
}

TEST_F(KeysAndFocus, EnterMovesFocusWhenTheWindowSaysSoAndNoDefaultButtonTakesIt) {
    ReadTestForms();
    LoadWindow(test_forms::EnterMovesWindow);
    fake::Activate(0);
    EXPECT_EQ(fake::FocusedUnit(), 1);
    EXPECT_TRUE(fake::PressKey(0, Alone(Key::Enter)));
    EXPECT_EQ(fake::FocusedUnit(), 2);
    EXPECT_TRUE(test_forms::seen().empty()) << "Enter pressed a button that is not a default";
}

TEST_F(KeysAndFocus, ClickRaisesTheBoundHandlerOnly) {
    ReadTestForms();
    LoadWindow(test_forms::KeyWindow);
    fake::ClickControl(0);
    fake::ClickControl(1);
    EXPECT_EQ(test_forms::seen(), (std::vector<std::string>{"save", "cancel"}));
}

}  // namespace
