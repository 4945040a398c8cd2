// ProgramMain's order of calls, against a runtime that only records them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_data.h"
#include "runtime/runtime.h"

namespace {

std::vector<std::string> calls;

}  // namespace

// The recording runtime.
void InitRuntime() { calls.push_back("InitRuntime"); }
void RegisterEndRoutine(EndRoutine routine) {
    calls.push_back(routine == ReleaseProgramData ? "RegisterEndRoutine(ReleaseProgramData)"
                                                  : "RegisterEndRoutine(?)");
}
void LoadWindow(FormId id) {
    calls.push_back(id == 0x52010001 ? "LoadWindow(0x52010001)" : "LoadWindow(?)");
}
void RunMessageLoop() { calls.push_back("RunMessageLoop"); }
void EndProgram(std::int32_t) { calls.push_back("EndProgram"); }

namespace {

TEST(ProgramMain, PreparesLoadsRunsAndReturnsZero) {
    EXPECT_EQ(ProgramMain(), 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"InitRuntime", "RegisterEndRoutine(ReleaseProgramData)",
                                               "LoadWindow(0x52010001)", "RunMessageLoop"}));
}

}  // namespace
