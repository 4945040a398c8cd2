// The program's entry routine: prepares the runtime and its data, loads the start window and
// runs the message loop. Each runtime operation either succeeds or ends the process itself, so
// nothing here is checked.
#include "program_data.h"
#include "runtime/runtime.h"
#include "ui/start_window_form.h"

std::int32_t ProgramMain() {
    InitRuntime();
    InitProgramData();
    RegisterEndRoutine(ReleaseProgramData);
    LoadWindow(StartWindowId);
    RunMessageLoop();
    return 0;
}
