// The driver's side of the in-process probe; see in_process_probe.h.
#include "in_process_probe.h"

#include <string>

#include "polling.h"

namespace {

// e2e_probe.dll lies beside the driver.
std::wstring ProbePath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring driver(path, length);
    return driver.substr(0, driver.find_last_of(L"\\/") + 1) + L"e2e_probe.dll";
}

}  // namespace

InProcessProbe::InProcessProbe(const ProgramUnderTest& program) : program_(program) {
    std::wstring id = std::to_wstring(program.process_id());
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(probe::Shared), (probe::SharedMemoryPrefix + id).c_str());
    ready_ = CreateEventW(nullptr, FALSE, FALSE, (probe::ReportReadyEventPrefix + id).c_str());
    if (mapping_ != nullptr) {
        shared_ = static_cast<probe::Shared*>(
            MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(probe::Shared)));
    }
    if (shared_ == nullptr || ready_ == nullptr) {
        failure_ = "could not make the probe's shared memory, error " +
                   std::to_string(GetLastError());
        return;
    }
    HMODULE module = LoadLibraryW(ProbePath().c_str());
    // Through void*: GetProcAddress's generic type says nothing of the real signature.
    auto procedure = [&](const char* name) {
        return module != nullptr ? reinterpret_cast<HOOKPROC>(
                                       reinterpret_cast<void*>(GetProcAddress(module, name)))
                                 : nullptr;
    };
    HOOKPROC get_message = procedure(probe::GetMessageHookName);
    HOOKPROC call_wnd_proc = procedure(probe::CallWndProcHookName);
    if (get_message == nullptr || call_wnd_proc == nullptr) {
        failure_ = "could not load the probe (e2e_probe.dll beside the driver), error " +
                   std::to_string(GetLastError());
        return;
    }
    // The system loads the module into the program when its thread first calls a hook.
    get_message_hook_ = SetWindowsHookExW(WH_GETMESSAGE, get_message, module, program.thread_id());
    call_wnd_proc_hook_ =
        SetWindowsHookExW(WH_CALLWNDPROC, call_wnd_proc, module, program.thread_id());
    if (get_message_hook_ == nullptr || call_wnd_proc_hook_ == nullptr) {
        failure_ = "could not hook the probe into the program's thread, error " +
                   std::to_string(GetLastError());
    }
}

InProcessProbe::~InProcessProbe() {
    if (get_message_hook_ != nullptr) UnhookWindowsHookEx(get_message_hook_);
    if (call_wnd_proc_hook_ != nullptr) UnhookWindowsHookEx(call_wnd_proc_hook_);
    if (shared_ != nullptr) UnmapViewOfFile(shared_);
    if (ready_ != nullptr) CloseHandle(ready_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
}

testing::AssertionResult InProcessProbe::Installed() const {
    if (get_message_hook_ != nullptr && call_wnd_proc_hook_ != nullptr) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << failure_;
}

testing::AssertionResult InProcessProbe::Look(probe::Report& report) {
    if (auto installed = Installed(); !installed) return installed;
    PostMessageW(program_.window(), RegisterWindowMessageW(probe::RequestMessageName), 0, 0);
    if (WaitForSingleObject(ready_, static_cast<DWORD>(polling::ActionDeadline.count())) !=
        WAIT_OBJECT_0) {
        return testing::AssertionFailure() << "the probe inside the program did not answer within "
                                           << polling::ActionDeadline.count() << " ms";
    }
    report = shared_->report;
    return testing::AssertionSuccess();
}

LONG InProcessProbe::BarrierKeyUpsTaken() const {
    return shared_ != nullptr ? InterlockedCompareExchange(&shared_->barrier_key_ups_taken, 0, 0)
                              : 0;
}

LONG InProcessProbe::ButtonClicksReported() const {
    return shared_ != nullptr ? InterlockedCompareExchange(&shared_->button_clicks_reported, 0, 0)
                              : 0;
}

testing::AssertionResult LookInside(const ProgramUnderTest& program, probe::Report& report) {
    InProcessProbe probe(program);
    return probe.Look(report);
}
