// The fonts: the start window and its Load button both use the stock default GUI font. Read in
// the program's own process (Wine does not deliver WM_GETFONT from another process) and compared
// there with the program's own GetStockObject(DEFAULT_GUI_FONT).
#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/in_process_probe.h"
#include "../driver/program_under_test.h"

namespace {

struct FontCase {
    const char* unit;
    probe::FontFacts probe::Report::*font;
};

void PrintTo(const FontCase& row, std::ostream* out) { *out << row.unit; }

class StartWindowFonts : public StartedProgram, public testing::WithParamInterface<FontCase> {};

std::string DescribeFont(const probe::FontFacts& font) {
    if (font.handle == 0) return "none (WM_GETFONT returned 0)";
    if (font.object_bytes == 0) return Hex(font.handle) + " (not a font)";
    return Hex(font.handle) + " \"" + Utf8(font.face) + "\", height " +
           std::to_string(font.height) + ", weight " + std::to_string(font.weight) +
           ", charset " + std::to_string(font.charset);
}

TEST_P(StartWindowFonts, IsTheStockDefaultGuiFont) {
    probe::Report report{};
    ASSERT_TRUE(LookInside(program_, report));
    const probe::FontFacts& actual = report.*GetParam().font;
    EXPECT_EQ(actual.handle, report.default_gui_font.handle)
        << "font of the " << GetParam().unit << " (WM_GETFONT): expected the stock "
        << "DEFAULT_GUI_FONT " << DescribeFont(report.default_gui_font) << ", actual "
        << DescribeFont(actual);
}

INSTANTIATE_TEST_SUITE_P(Units, StartWindowFonts,
                         testing::Values(FontCase{"StartWindow", &probe::Report::window_font},
                                         FontCase{"LoadButton", &probe::Report::button_font}),
                         [](const testing::TestParamInfo<FontCase>& info) {
                             return std::string(info.param.unit);
                         });

}  // namespace
