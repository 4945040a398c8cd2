// Waiting on the program, which runs in another process: look again every few milliseconds
// until the condition holds or a generous deadline passes. Deadlines only bound a wait; no test
// asserts how long anything took.
#pragma once

#include <chrono>

#include "win32.h"

namespace polling {

// A cold Wine start of the program can take seconds; everything after that is quick.
constexpr std::chrono::milliseconds StartDeadline{60000};
constexpr std::chrono::milliseconds ActionDeadline{20000};
constexpr DWORD Interval = 10;  // milliseconds

template <typename Condition>
bool Until(Condition condition, std::chrono::milliseconds deadline = ActionDeadline) {
    auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return condition();
        Sleep(Interval);
    }
}

}  // namespace polling
