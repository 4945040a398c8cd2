// The run from process entry to exit: the end-routine list, the message loop and its quit rule,
// the orderly end and the fatal end of a failed start.
#include <cstdlib>

#include "entry.h"
#include "internal.h"

namespace runtime {
namespace {

// Each message is GBK Chinese followed by its English, since the box may appear before the user
// has seen anything else of the program.
GbkText FailureMessage(StartFailure failure) {
    switch (failure) {
        case StartFailure::FormUnreadable:
            // 无法读取窗体描述，程序无法启动。
            return "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xB4\xB0\xCC\xE5\xC3\xE8\xCA\xF6\xA3\xAC"
                   "\xB3\xCC\xD0\xF2\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xA1\xA3\n\n"
                   "The form description cannot be read; the program cannot start.";
        case StartFailure::NoSuchTemplate:
            // 找不到要载入的窗口模板，程序无法启动。
            return "\xD5\xD2\xB2\xBB\xB5\xBD\xD2\xAA\xD4\xD8\xC8\xEB\xB5\xC4\xB4\xB0\xBF\xDA"
                   "\xC4\xA3\xB0\xE5\xA3\xAC\xB3\xCC\xD0\xF2\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xA1\xA3\n\n"
                   "No window template bears the identifier to load; the program cannot start.";
        case StartFailure::TooManyEndRoutines:
            // 结束例程过多，程序无法启动。
            return "\xBD\xE1\xCA\xF8\xC0\xFD\xB3\xCC\xB9\xFD\xB6\xE0\xA3\xAC"
                   "\xB3\xCC\xD0\xF2\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xA1\xA3\n\n"
                   "More end routines were registered than the runtime holds; the program cannot "
                   "start.";
        case StartFailure::WindowNotCreated:
            break;
    }
    // 系统无法创建窗口或控件，程序无法启动。
    return "\xCF\xB5\xCD\xB3\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xB4\xB0\xBF\xDA\xBB\xF2\xBF\xD8"
           "\xBC\xFE\xA3\xAC\xB3\xCC\xD0\xF2\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xA1\xA3\n\n"
           "The system could not create the window or one of its controls; the program cannot "
           "start.";
}

constexpr GbkText FailureTitle = "\xB4\xED\xCE\xF3 Error";  // 错误

}  // namespace

State& state() {
    static State instance{};
    return instance;
}

void FailStart(StartFailure failure) {
    toolkit::ShowFatalError(FailureTitle, FailureMessage(failure));
    state().end_routine_count = 0;  // a failed start runs none of the program's end routines
    EndProgram(-1);
    std::exit(-1);
}

int RunProgram() {
    State& s = state();
    s.toolkit_started = toolkit::Start();
    if (!s.toolkit_started) FailStart(StartFailure::WindowNotCreated);
    ProgramMain();  // its result 0 says only that the run is over; the exit code is the quit value
    EndProgram(s.quit_value);
    return s.quit_value;
}

}  // namespace runtime

void RegisterEndRoutine(EndRoutine routine) {
    runtime::State& s = runtime::state();
    for (std::size_t i = 0; i < s.end_routine_count; ++i) {
        if (s.end_routines[i] == routine) return;
    }
    // The list is fixed storage; a program that registers more routines than it holds is broken
    // beyond running, and refusing silently would skip its clean-up.
    if (s.end_routine_count == s.end_routines.size()) {
        runtime::FailStart(runtime::StartFailure::TooManyEndRoutines);
    }
    s.end_routines[s.end_routine_count++] = routine;
}

void RunMessageLoop() {
    runtime::State& s = runtime::state();
    s.loop_started = true;
    if (!runtime::AnyWindowOpen()) return;
    s.quit_value = toolkit::RunEventLoop();
}

void EndProgram(std::int32_t exit_code) {
    static_cast<void>(exit_code);  // the caller exits with it; nothing here depends on it
    runtime::State& s = runtime::state();
    runtime::ReleaseTemplates();
    // Routines run before the runtime's own resources go, so they may still use the runtime.
    // Emptying the list first keeps a routine that ends the process from running twice.
    std::size_t count = s.end_routine_count;
    auto routines = s.end_routines;
    s.end_routine_count = 0;
    for (std::size_t i = 0; i < count; ++i) routines[i]();
    if (s.toolkit_started) {
        s.toolkit_started = false;
        toolkit::Stop();
    }
}
