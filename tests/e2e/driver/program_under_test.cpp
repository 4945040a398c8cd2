// Starting, finding and ending korvessa.exe; see program_under_test.h.
#include "program_under_test.h"

#include "describe.h"
#include "driver_options.h"
#include "polling.h"

namespace {

constexpr const wchar_t* FormWindowClass = L"FormWindow";

struct WindowSearch {
    DWORD process_id;
    bool visible_only;
    bool form_windows_only;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM search_address) {
    auto& search = *reinterpret_cast<WindowSearch*>(search_address);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process_id) return TRUE;
    if (search.visible_only && !IsWindowVisible(window)) return TRUE;
    if (search.form_windows_only) {
        wchar_t class_name[64] = L"";
        GetClassNameW(window, class_name, 64);
        if (wcscmp(class_name, FormWindowClass) != 0) return TRUE;
    }
    search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD process_id, bool visible_only, bool form_windows_only) {
    WindowSearch search{process_id, visible_only, form_windows_only, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::vector<HWND> FormWindowsOf(DWORD process_id) {
    return TopLevelWindowsOf(process_id, false, true);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(),
                                                        static_cast<int>(text.size()))));
    return text;
}

ProgramUnderTest::~ProgramUnderTest() {
    Kill();
    if (process_.hThread != nullptr) CloseHandle(process_.hThread);
    if (process_.hProcess != nullptr) CloseHandle(process_.hProcess);
}

testing::AssertionResult ProgramUnderTest::Start() { return Start(Options().program); }

testing::AssertionResult ProgramUnderTest::Start(const std::wstring& path) {
    std::wstring command_line = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        return testing::AssertionFailure()
               << "CreateProcessW(\"" << Utf8(path) << "\") failed, error " << GetLastError();
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult ProgramUnderTest::WaitForStartWindow() {
    bool found = polling::Until(
        [&] {
            for (HWND window : FormWindowsOf(process_id())) {
                if (!IsWindowVisible(window)) continue;
                window_ = window;
                button_ = FindWindowExW(window, nullptr, L"Button", nullptr);
                return button_ != nullptr;
            }
            return !IsRunning();  // no use waiting for a process that has gone
        },
        polling::StartDeadline);
    if (found && button_ != nullptr) return testing::AssertionSuccess();
    auto failure = testing::AssertionFailure();
    failure << "expected a visible top-level \"FormWindow\" window with a Button in it from "
               "process "
            << process_id() << "; ";
    if (std::optional<DWORD> code = ExitCode()) {
        return failure << "the process ended with exit code " << *code << " (" << Hex(*code)
                       << ") instead";
    }
    failure << "after " << polling::StartDeadline.count() << " ms it has these: ";
    for (HWND window : TopLevelWindowsOf(process_id(), false, false)) {
        failure << "[" << DescribeWindow(window) << (IsWindowVisible(window) ? "" : ", hidden")
                << "] ";
    }
    return failure;
}

testing::AssertionResult ProgramUnderTest::WaitUntilActiveWithFocusOnButton() {
    bool ready = polling::Until([&] {
        GUITHREADINFO info = ThreadInfo();
        return GetForegroundWindow() == window_ && info.hwndActive == window_ &&
               info.hwndFocus == button_;
    });
    if (ready) return testing::AssertionSuccess();
    GUITHREADINFO info = ThreadInfo();
    return testing::AssertionFailure()
           << "expected the start window [" << DescribeWindow(window_)
           << "] to be foreground and active with the focus on its button ["
           << DescribeWindow(button_) << "]; actual: foreground ["
           << DescribeWindow(GetForegroundWindow()) << "], active ["
           << DescribeWindow(info.hwndActive) << "], focus [" << DescribeWindow(info.hwndFocus)
           << "]";
}

testing::AssertionResult ProgramUnderTest::StartAndWaitUntilReady() {
    if (auto started = Start(); !started) return started;
    if (auto shown = WaitForStartWindow(); !shown) return shown;
    return WaitUntilActiveWithFocusOnButton();
}

std::optional<DWORD> ProgramUnderTest::WaitForExit() {
    polling::Until([&] { return !IsRunning(); });
    return ExitCode();
}

std::optional<DWORD> ProgramUnderTest::ExitCode() const {
    if (process_.hProcess == nullptr || IsRunning()) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool ProgramUnderTest::IsRunning() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void ProgramUnderTest::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(process_.hProcess, 0xDEAD);
    WaitForSingleObject(process_.hProcess, 10000);
}

GUITHREADINFO ProgramUnderTest::ThreadInfo() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread_id(), &info)) {
        info = {};
        info.cbSize = sizeof info;
    }
    return info;
}

std::vector<HWND> ProgramUnderTest::VisibleTopLevelWindows() const {
    return TopLevelWindowsOf(process_id(), true, false);
}

void StartedProgram::SetUp() { ASSERT_TRUE(program_.StartAndWaitUntilReady()); }
