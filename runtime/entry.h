// The body of the process entry, shared by every backend: each backend's native entry point
// (WinMain, main) only calls RunProgram and exits with its result.
#pragma once

namespace runtime {

// Starts the toolkit, runs ProgramMain, runs EndProgram with the quit value and returns it.
int RunProgram();

}  // namespace runtime
