// The program's form as data: its identifiers and its GBK texts, decoded independently.
#include <gtest/gtest.h>

#include "gbk.h"
#include "runtime/form.h"
#include "ui/start_window_form.h"

namespace {

const FormUnit& Unit(std::size_t index) { return ProgramForm.templates[0].units[index]; }

TEST(StartWindowForm, HoldsOneTemplateWithTheWindowUnitAndTheLoadButton) {
    ASSERT_EQ(ProgramForm.templates.size(), 1u);
    EXPECT_EQ(ProgramForm.templates[0].id, StartWindowId);
    EXPECT_EQ(StartWindowId, 0x52010001u);
    ASSERT_EQ(ProgramForm.templates[0].units.size(), 2u);
    EXPECT_EQ(Unit(0).id, 0x06010000u);
    EXPECT_EQ(Unit(1).id, 0x16010003u);
}

struct TextCase {
    const char* what;
    const char* gbk;
    const char* expected_utf8;
};

TEST(StartWindowForm, TextsAreGbkForTheCharactersShown) {
    const TextCase cases[] = {
        {"window caption", Unit(0).window.caption, "Korvessa"},
        {"button caption", Unit(1).button.caption, "\u8F7D\u5165"},  // 载入
        {"button name", Unit(1).unit.name, "\u6309\u94AE" "1"},    // 按钮1
    };
    for (const TextCase& c : cases) EXPECT_EQ(GbkToUtf8(c.gbk), c.expected_utf8) << c.what;
}

}  // namespace
