// The input barrier; see input_barrier.h.
#include "input_barrier.h"

#include "describe.h"
#include "polling.h"
#include "real_input.h"

InputBarrier::InputBarrier(const ProgramUnderTest& program) : program_(program), probe_(program) {}

testing::AssertionResult InputBarrier::Pass() {
    if (auto installed = probe_.Installed(); !installed) return installed;
    LONG before = probe_.BarrierKeyUpsTaken();
    if (auto pressed = Press({"Ctrl (barrier)", {static_cast<WORD>(probe::BarrierKey)}}); !pressed) {
        return pressed;
    }
    // A program that has ended takes nothing more in: no use waiting then.
    polling::Until([&] { return probe_.BarrierKeyUpsTaken() > before || !program_.IsRunning(); });
    if (std::optional<DWORD> code = program_.ExitCode()) {
        return testing::AssertionFailure() << "the program ended after the input under test, exit "
                                              "code "
                                           << *code << " (" << Hex(*code) << ")";
    }
    if (probe_.BarrierKeyUpsTaken() <= before) {
        return testing::AssertionFailure()
               << "the program's thread did not take in a Ctrl tap sent after the input under "
                  "test (foreground: "
               << DescribeWindow(GetForegroundWindow()) << ", program running: "
               << program_.IsRunning() << ")";
    }
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(program_.window(), WM_NULL, 0, 0, SMTO_NORMAL,
                            static_cast<UINT>(polling::ActionDeadline.count()), &ignored) == 0) {
        return testing::AssertionFailure() << "the start window did not answer WM_NULL after the "
                                              "input under test (error "
                                           << GetLastError() << ")";
    }
    return testing::AssertionSuccess();
}
