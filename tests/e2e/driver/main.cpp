// e2e_driver.exe: the end-to-end tests of korvessa.exe, run under Wine in the same virtual
// desktop as the program. Runs the GoogleTest suites, then (with --screenshot) saves a picture
// of the start window for people to look at.
#include <cstdio>

#include <gtest/gtest.h>

#include "driver_options.h"
#include "program_under_test.h"
#include "screen_capture.h"

namespace {

// Not a test: a picture of the start window as a person sees it after start.
bool SaveStartWindowPicture(const std::wstring& path) {
    ProgramUnderTest program;
    testing::AssertionResult ready = program.StartAndWaitUntilReady();
    if (!ready) {
        std::fprintf(stderr, "e2e_driver: no picture of the start window: %s\n", ready.message());
        return false;
    }
    // Paint everything now, so the picture does not catch the window half drawn.
    RedrawWindow(program.window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::string error;
    if (!SaveScreenAsBmp(path, error)) {
        std::fprintf(stderr, "e2e_driver: no picture of the start window: %s\n", error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    DriverOptions options;
    if (!ParseDriverOptions(argc, argv, options)) return 2;
    int result = RUN_ALL_TESTS();
    if (!options.screenshot.empty() && !SaveStartWindowPicture(options.screenshot) && result == 0) {
        result = 1;
    }
    return result;
}
