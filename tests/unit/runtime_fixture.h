// Every runtime test starts from a fresh runtime, a fresh fake toolkit and no recorded events.
#pragma once

#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "runtime/internal.h"
#include "test_forms.h"

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        runtime::state() = runtime::State{};
        fake::Reset();
        test_forms::seen().clear();
    }

    // Reads the test forms as InitRuntime reads the program's.
    static void ReadTestForms() { ASSERT_TRUE(runtime::ReadForm(test_forms::Form)); }

    static const fake::Window& OnlyWindow() {
        EXPECT_EQ(fake::toolkit().windows.size(), 1u);
        return fake::toolkit().windows.front();
    }
};
