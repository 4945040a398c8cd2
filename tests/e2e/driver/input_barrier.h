// Knowing that the program has taken in and handled all input sent so far, for the keys and
// clicks that should change nothing: without it "nothing happened" could only mean "nothing
// happened yet".
//
// SendInput only queues input. The barrier sends one lone Ctrl tap (a key the window leaves
// alone) after the input under test and waits until the in-process probe has seen the
// program's thread take the tap's key-up from its queue. Input is taken in order, so everything
// before the tap has been taken too; a message sent to the window then comes back only once the
// thread has dispatched what it took. (The key state that AttachThreadInput shares cannot tell
// this under Wine: Wine copies the global key state into it.)
#pragma once

#include <gtest/gtest.h>

#include "in_process_probe.h"
#include "program_under_test.h"

class InputBarrier {
  public:
    explicit InputBarrier(const ProgramUnderTest& program);

    // Needs the program's window in front: the tap goes where the keyboard goes.
    testing::AssertionResult Pass();

    // The probe the barrier uses, for what else it has seen meanwhile.
    const InProcessProbe& probe() const { return probe_; }

  private:
    const ProgramUnderTest& program_;
    InProcessProbe probe_;
};
