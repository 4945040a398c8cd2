// Keys that must change nothing on the start window, pressed for real: Shift+Esc does not close
// (Esc closes only alone), Tab and Shift+Tab keep the focus on the Load button (the only tab
// stop), Enter presses nothing (no default button), F1 opens no help, and Alt with a letter or
// digit presses nothing (no caption holds an access key). "Presses nothing" means the Load
// button reports no click.
#include <gtest/gtest.h>

#include "../driver/input_barrier.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"
#include "../driver/unchanged_window.h"

namespace {

class KeysThatChangeNothing : public StartedProgram, public testing::WithParamInterface<KeyChord> {};

TEST_P(KeysThatChangeNothing, LeaveTheWindowShownWithTheFocusOnTheButton) {
    const KeyChord& chord = GetParam();
    RECT before{};
    ASSERT_TRUE(GetWindowRect(program_.window(), &before));
    InputBarrier barrier(program_);
    ASSERT_TRUE(Press(chord));
    ASSERT_TRUE(barrier.Pass()) << "after " << chord.name;
    EXPECT_TRUE(StillAsBefore(program_, before, chord.name));
    EXPECT_EQ(barrier.probe().ButtonClicksReported(), 0)
        << chord.name << ": expected no click of the Load button";
}

INSTANTIATE_TEST_SUITE_P(StartWindowKeys, KeysThatChangeNothing,
                         testing::Values(KeyChord{"ShiftEsc", {VK_SHIFT, VK_ESCAPE}},
                                         KeyChord{"Tab", {VK_TAB}},
                                         KeyChord{"ShiftTab", {VK_SHIFT, VK_TAB}},
                                         KeyChord{"Enter", {VK_RETURN}},
                                         KeyChord{"F1", {VK_F1}},
                                         KeyChord{"AltL", {VK_MENU, 'L'}},
                                         KeyChord{"Alt1", {VK_MENU, '1'}}),
                         [](const testing::TestParamInfo<KeyChord>& info) {
                             return info.param.name;
                         });

}  // namespace
