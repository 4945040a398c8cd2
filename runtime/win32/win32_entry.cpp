// The process entry on Windows: the runtime owns it and the program's ProgramMain runs inside.
#include "runtime/entry.h"
#include "win32_internal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runtime::RunProgram(); }
