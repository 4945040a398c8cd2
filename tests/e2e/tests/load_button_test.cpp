// The Load button: the window's only control, a visible push button that takes the focus by Tab,
// caption "载入" centred and wrapping, at 136, 88 in the client area, 88 x 32.
#include <vector>

#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/program_under_test.h"

namespace {

using LoadButton = StartedProgram;

BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

std::string ButtonStyleNames(DWORD style) {
    // BS_CENTER (0x300) and BS_VCENTER (0xC00) are two-bit fields; listed before their halves.
    return DescribeBits(style, {{WS_CHILD, "WS_CHILD"},
                                {WS_VISIBLE, "WS_VISIBLE"},
                                {WS_DISABLED, "WS_DISABLED"},
                                {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
                                {WS_TABSTOP, "WS_TABSTOP"},
                                {WS_GROUP, "WS_GROUP"},
                                {BS_CENTER, "BS_CENTER"},
                                {BS_LEFT, "BS_LEFT"},
                                {BS_RIGHT, "BS_RIGHT"},
                                {BS_VCENTER, "BS_VCENTER"},
                                {BS_TOP, "BS_TOP"},
                                {BS_BOTTOM, "BS_BOTTOM"},
                                {BS_MULTILINE, "BS_MULTILINE"},
                                {BS_DEFPUSHBUTTON, "BS_DEFPUSHBUTTON"},
                                {BS_NOTIFY, "BS_NOTIFY"},
                                {BS_FLAT, "BS_FLAT"},
                                {BS_BITMAP, "BS_BITMAP"},
                                {BS_ICON, "BS_ICON"}});
}

TEST_F(LoadButton, IsTheWindowsOnlyControl) {
    std::vector<HWND> children;
    EnumChildWindows(program_.window(), CollectChild, reinterpret_cast<LPARAM>(&children));
    ASSERT_EQ(children.size(), 1u) << "controls in the start window: expected 1, actual "
                                   << children.size();
    wchar_t class_name[64] = L"";
    GetClassNameW(children[0], class_name, 64);
    EXPECT_EQ(lstrcmpiW(class_name, L"Button"), 0)
        << "class of the only control: expected \"Button\", actual \"" << Utf8(class_name)
        << "\"";
    EXPECT_EQ(GetParent(children[0]), program_.window())
        << "parent of the button: expected the start window, actual "
        << DescribeWindow(GetParent(children[0]));
}

TEST_F(LoadButton, StyleIsAVisibleTabStopPushButtonCentredAndWrapping) {
    auto style = static_cast<DWORD>(GetWindowLongW(program_.button(), GWL_STYLE));
    // BS_PUSHBUTTON is 0: the low four bits, the button type, must all be clear. Wine keeps push
    // button state (pushed, focused) out of the style, so the comparison is exact.
    DWORD expected = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON |
                     BS_CENTER | BS_VCENTER | BS_MULTILINE;
    EXPECT_EQ(style, expected) << "button style: expected " << ButtonStyleNames(expected)
                               << " (BS_PUSHBUTTON = 0), actual " << ButtonStyleNames(style);
    auto ex_style = static_cast<DWORD>(GetWindowLongW(program_.button(), GWL_EXSTYLE));
    EXPECT_EQ(ex_style, 0u) << "button extended style: expected 0, actual " << Hex(ex_style);
}

TEST_F(LoadButton, CaptionIsLoad) {
    const std::wstring expected = L"\u8F7D\u5165";  // 载入
    std::wstring caption = WindowText(program_.button());
    EXPECT_EQ(caption, expected) << "button caption: expected " << DescribeText(expected)
                                 << ", actual " << DescribeText(caption);
}

TEST_F(LoadButton, LiesAt136And88InTheClientAreaSized88By32) {
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(program_.button(), &rect));
    MapWindowPoints(nullptr, program_.window(), reinterpret_cast<POINT*>(&rect), 2);
    RECT expected{136, 88, 136 + 88, 88 + 32};
    EXPECT_TRUE(EqualRect(&rect, &expected))
        << "button rectangle in the window's client coordinates: expected "
        << DescribeRect(expected) << ", actual " << DescribeRect(rect);
}

}  // namespace
