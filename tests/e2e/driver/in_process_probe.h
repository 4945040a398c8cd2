// Looking inside the running program, for what Wine answers only in the program's own process:
// the class's cursor, brush and icons (GetClassLongPtr on another process's window gives 0),
// the fonts (WM_GETFONT from another process is not delivered), which input its thread has
// taken in (for InputBarrier) and how many clicks its button has reported. Hooks e2e_probe.dll (beside the driver) into the program's UI
// thread for as long as the object lives.
#pragma once

#include <gtest/gtest.h>

#include "../probe/probe_shared.h"
#include "program_under_test.h"

class InProcessProbe {
  public:
    explicit InProcessProbe(const ProgramUnderTest& program);
    InProcessProbe(const InProcessProbe&) = delete;
    InProcessProbe& operator=(const InProcessProbe&) = delete;
    ~InProcessProbe();

    // Whether the probe is hooked in; the reason if not.
    testing::AssertionResult Installed() const;

    // Asks the probe once and waits for its answer.
    testing::AssertionResult Look(probe::Report& report);

    // How many key-ups of probe::BarrierKey the program's thread has taken from its queue.
    LONG BarrierKeyUpsTaken() const;

    // How many clicks (BN_CLICKED) buttons have reported to their window since the probe was
    // hooked in.
    LONG ButtonClicksReported() const;

  private:
    const ProgramUnderTest& program_;
    HANDLE mapping_ = nullptr;
    HANDLE ready_ = nullptr;
    probe::Shared* shared_ = nullptr;
    HHOOK get_message_hook_ = nullptr;
    HHOOK call_wnd_proc_hook_ = nullptr;
    std::string failure_;
};

// One look with a probe of its own.
testing::AssertionResult LookInside(const ProgramUnderTest& program, probe::Report& report);
