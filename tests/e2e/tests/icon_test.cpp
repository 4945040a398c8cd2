// The program icon: the exe carries the icon group DEFAULT_ICON, the start window shows it at
// 32 x 32 as its large icon and 16 x 16 as its small one, and a build without the resource
// still starts, with no icon of its own (the system shows its default).
#include <gtest/gtest.h>

#include "../driver/driver_options.h"
#include "../driver/in_process_probe.h"
#include "../driver/program_under_test.h"

namespace {

using ProgramIcon = StartedProgram;

TEST_F(ProgramIcon, WindowShowsTheProgramIconAtBothSizes) {
    probe::Report report{};
    ASSERT_TRUE(LookInside(program_, report));
    struct {
        const char* name;
        probe::IconFacts icon;
        LONG size;
    } cases[] = {{"ICON_BIG", report.big_icon, 32}, {"ICON_SMALL", report.small_icon, 16}};
    for (const auto& c : cases) {
        ASSERT_NE(c.icon.handle, 0u) << c.name << ": the window has no icon of its own";
        EXPECT_EQ(c.icon.width, c.size) << c.name << " width";
        EXPECT_EQ(c.icon.height, c.size) << c.name << " height";
    }
}

TEST(ProgramFile, HoldsTheIconGroupDefaultIcon) {
    HMODULE image = LoadLibraryExW(Options().program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr) << "cannot read the program file's resources";
    EXPECT_NE(FindResourceW(image, L"DEFAULT_ICON", MAKEINTRESOURCEW(14)), nullptr)  // RT_GROUP_ICON
        << "no icon group named DEFAULT_ICON";
    FreeLibrary(image);
}

TEST(ProgramWithoutIcon, StartsAndLeavesTheIconToTheSystem) {
    ASSERT_FALSE(Options().program_without_icon.empty()) << "give --program-without-icon=PATH";
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start(Options().program_without_icon));
    ASSERT_TRUE(program.WaitForStartWindow());
    ASSERT_TRUE(program.WaitUntilActiveWithFocusOnButton());
    probe::Report report{};
    ASSERT_TRUE(LookInside(program, report));
    EXPECT_EQ(report.big_icon.handle, 0u) << "a big icon without the resource";
    EXPECT_EQ(report.small_icon.handle, 0u) << "a small icon without the resource";
    EXPECT_TRUE(program.IsRunning());
}

}  // namespace
