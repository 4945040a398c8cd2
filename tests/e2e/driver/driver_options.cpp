// Parsing the driver's own options; see driver_options.h.
#include "driver_options.h"

#include <cstdio>
#include <cwchar>

#include "win32.h"

namespace {

DriverOptions parsed;

bool TakeValue(const wchar_t* argument, const wchar_t* name, std::wstring& value) {
    std::size_t length = wcslen(name);
    if (wcsncmp(argument, name, length) != 0) return false;
    value = argument + length;
    return true;
}

}  // namespace

bool ParseDriverOptions(int argc, wchar_t** argv, DriverOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (TakeValue(argv[i], L"--program=", options.program)) continue;
        if (TakeValue(argv[i], L"--screenshot=", options.screenshot)) continue;
        if (TakeValue(argv[i], L"--program-without-icon=", options.program_without_icon)) continue;
        fwprintf(stderr, L"e2e_driver: unknown option %ls\n", argv[i]);
        return false;
    }
    if (options.program.empty()) {
        wchar_t from_environment[MAX_PATH];
        DWORD length = GetEnvironmentVariableW(L"KORVESSA_PROGRAM", from_environment, MAX_PATH);
        if (length > 0 && length < MAX_PATH) options.program = from_environment;
    }
    if (options.program.empty()) {
        fwprintf(stderr,
                 L"e2e_driver: say which program to test: --program=WINDOWS-PATH or "
                 L"KORVESSA_PROGRAM\n");
        return false;
    }
    if (GetFileAttributesW(options.program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        fwprintf(stderr, L"e2e_driver: no such program: %ls\n", options.program.c_str());
        return false;
    }
    parsed = options;
    return true;
}

const DriverOptions& Options() { return parsed; }
