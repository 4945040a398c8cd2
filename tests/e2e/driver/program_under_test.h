// One run of korvessa.exe for one test: starts the process, finds its start window and the Load
// button by polling, watches for its exit, and kills it if a test leaves it running, so that
// every test starts clean.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32.h"

class ProgramUnderTest {
  public:
    ProgramUnderTest() = default;
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;
    ~ProgramUnderTest();  // ends the process if it still runs

    // Starts the program given to the driver (--program), or another build of it, without
    // arguments.
    testing::AssertionResult Start();
    testing::AssertionResult Start(const std::wstring& path);

    // Polls until the process shows its top-level window of class "FormWindow" with a button
    // in it; then window() and button() are set.
    testing::AssertionResult WaitForStartWindow();

    // Polls until the start window is the foreground and active window and the keyboard focus
    // is on the button: the state after start and after each reactivation.
    testing::AssertionResult WaitUntilActiveWithFocusOnButton();

    // Start, WaitForStartWindow and WaitUntilActiveWithFocusOnButton.
    testing::AssertionResult StartAndWaitUntilReady();

    // Polls until the process has ended; its exit code, or nothing if it still runs.
    std::optional<DWORD> WaitForExit();

    bool IsRunning() const;
    // The exit code once the process has ended; nothing while it runs.
    std::optional<DWORD> ExitCode() const;
    void Kill();  // TerminateProcess, then waits for the end

    HWND window() const { return window_; }
    HWND button() const { return button_; }
    DWORD process_id() const { return process_.dwProcessId; }
    DWORD thread_id() const { return process_.dwThreadId; }

    // The program's UI thread as the system sees it: active window, focus, menu and move modes.
    GUITHREADINFO ThreadInfo() const;

    // Every visible top-level window the process owns, its start window among them.
    std::vector<HWND> VisibleTopLevelWindows() const;

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND button_ = nullptr;
};

// The top-level windows of class "FormWindow" of a process (visible or not).
std::vector<HWND> FormWindowsOf(DWORD process_id);

// Text of a window as the system stores it (GetWindowTextW), in full.
std::wstring WindowText(HWND window);

// The ready-made fixture: a started program whose start window is shown, active, with the focus
// on the button. Tests that need other starts use ProgramUnderTest directly.
class StartedProgram : public testing::Test {
  protected:
    void SetUp() override;
    ProgramUnderTest program_;
};
