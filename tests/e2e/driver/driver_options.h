// The driver's own command-line options (GoogleTest takes the rest): which program to test and
// where to save the picture of the start window.
#pragma once

#include <string>

struct DriverOptions {
    std::wstring program;     // Windows path of korvessa.exe
    std::wstring program_without_icon;  // Windows path of the same program built without its icon
    std::wstring screenshot;  // Windows path of a .bmp to write after the tests; empty: none
};

// Takes --program=PATH and --screenshot=PATH out of argv (after GoogleTest has taken its own);
// the program path falls back to the KORVESSA_PROGRAM environment variable. False, with a
// message on stderr, for an unknown option or a missing program.
bool ParseDriverOptions(int argc, wchar_t** argv, DriverOptions& options);

const DriverOptions& Options();
