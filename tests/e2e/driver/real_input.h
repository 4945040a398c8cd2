// Real keyboard and mouse input through SendInput: it enters the system's input queue like a
// person's keys and clicks and reaches whatever window is in front, so the program's whole key
// and mouse path runs. (Messages posted straight to a window would skip that path.)
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32.h"

// Keys pressed in order and released in reverse, e.g. {VK_SHIFT, VK_ESCAPE} for Shift+Esc.
struct KeyChord {
    std::string name;
    std::vector<WORD> keys;
};

// GoogleTest shows a chord of a test table by its name.
void PrintTo(const KeyChord& chord, std::ostream* out);

testing::AssertionResult Press(const KeyChord& chord);

// Moves the pointer to a screen point, then clicks the left button there (once or twice).
testing::AssertionResult Click(POINT screen_point);
testing::AssertionResult DoubleClick(POINT screen_point);
