// The start window's class: it redraws whole on a change of size, takes double clicks, shows the
// standard arrow, has a hollow background brush (the window paints its own background) and no
// class icon (the icons come per window).
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/in_process_probe.h"
#include "../driver/program_under_test.h"

namespace {

using FormWindowClass = StartedProgram;

TEST_F(FormWindowClass, StyleRedrawsOnEitherResizeAndTakesDoubleClicks) {
    // GCL_STYLE is one of the few class fields Wine answers for another process's window.
    DWORD style = GetClassLongW(program_.window(), GCL_STYLE);
    DWORD expected = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    EXPECT_EQ(style, expected) << "class style of the start window: expected "
                               << DescribeBits(expected, {{CS_HREDRAW, "CS_HREDRAW"},
                                                          {CS_VREDRAW, "CS_VREDRAW"},
                                                          {CS_DBLCLKS, "CS_DBLCLKS"}})
                               << ", actual "
                               << DescribeBits(style, {{CS_HREDRAW, "CS_HREDRAW"},
                                                       {CS_VREDRAW, "CS_VREDRAW"},
                                                       {CS_DBLCLKS, "CS_DBLCLKS"},
                                                       {CS_OWNDC, "CS_OWNDC"},
                                                       {CS_CLASSDC, "CS_CLASSDC"},
                                                       {CS_PARENTDC, "CS_PARENTDC"},
                                                       {CS_NOCLOSE, "CS_NOCLOSE"},
                                                       {CS_SAVEBITS, "CS_SAVEBITS"}});
}

TEST_F(FormWindowClass, HasTheArrowCursorTheHollowBrushAndNoIcons) {
    probe::Report report{};
    ASSERT_TRUE(LookInside(program_, report));
    // Each handle is compared with the program's own, read in the program's process.
    struct Field {
        const char* name;
        UINT_PTR actual;
        UINT_PTR expected;
        const char* expected_is;
    };
    const Field fields[] = {
        {"class cursor (GCLP_HCURSOR)", report.class_cursor, report.arrow_cursor,
         "LoadCursor(nullptr, IDC_ARROW)"},
        {"class background brush (GCLP_HBRBACKGROUND)", report.class_background, report.null_brush,
         "GetStockObject(NULL_BRUSH)"},
        {"class icon (GCLP_HICON)", report.class_icon, 0, "none"},
        {"class small icon (GCLP_HICONSM)", report.class_small_icon, 0, "none"},
    };
    for (const Field& field : fields) {
        EXPECT_EQ(field.actual, field.expected)
            << field.name << ": expected " << field.expected_is << " = " << Hex(field.expected)
            << ", actual " << Hex(field.actual);
    }
}

}  // namespace
