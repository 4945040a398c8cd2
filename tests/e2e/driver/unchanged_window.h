// The check after input that should change nothing: the program still runs, its start window is
// still shown in the same place and size, active, with the focus on the Load button, no menu or
// move loop is open, and the program shows no other window (no box).
#pragma once

#include <gtest/gtest.h>

#include "program_under_test.h"

// `what` names the input, for the failure message.
testing::AssertionResult StillAsBefore(const ProgramUnderTest& program, const RECT& outer_before,
                                       const std::string& what);
