// The Load action as a user meets it: the notice box "信息：" comes up on Space or a click, keeps
// the start window from taking input while it is up, and however it is closed the ordering
// site's address reaches the desktop's URL opener (a recorder here) exactly once.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../driver/describe.h"
#include "../driver/driver_options.h"
#include "../driver/input_barrier.h"
#include "../driver/polling.h"
#include "../driver/program_under_test.h"
#include "../driver/real_input.h"
#include "../driver/screen_capture.h"
#include "../driver/title_bar.h"

namespace {

const std::wstring NoticeTitle = L"\u4FE1\u606F\uFF1A";  // 信息：
const std::wstring NoticeText =  // 点击确定进入，注册帐号下单即可
    L"\u70B9\u51FB\u786E\u5B9A\u8FDB\u5165\uFF0C\u6CE8\u518C\u5E10\u53F7\u4E0B\u5355\u5373\u53EF";

std::string EnvironmentValue(const char* name) {
    char value[1024] = "";
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value) : std::string();
}

// The recorder appends each address it is handed as a line to a unix file, which Wine shows
// on drive Z:.
std::vector<std::string> RecordedAddresses() {
    std::string path = "Z:" + EnvironmentValue("KORVESSA_URL_RECORD");
    std::ifstream record(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(record, line);) lines.push_back(line);
    return lines;
}

std::string ExpectedAddress() { return "http://" + EnvironmentValue("KORVESSA_ORDER_HOST") + "/"; }

BOOL CALLBACK CollectNoticeBoxes(HWND window, LPARAM found) {
    auto* boxes = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(found);
    DWORD owner_process = 0;
    GetWindowThreadProcessId(window, &owner_process);
    wchar_t class_name[16] = L"";
    GetClassNameW(window, class_name, 16);
    if (owner_process == boxes->first && IsWindowVisible(window) &&
        lstrcmpW(class_name, L"#32770") == 0) {
        boxes->second.push_back(window);
    }
    return TRUE;
}

// The program's visible boxes of the system dialog class.
std::vector<HWND> NoticeBoxes(const ProgramUnderTest& program) {
    std::pair<DWORD, std::vector<HWND>> found{program.process_id(), {}};
    EnumWindows(CollectNoticeBoxes, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool IsOfClass(HWND window, const wchar_t* name) {
    wchar_t class_name[32] = L"";
    GetClassNameW(window, class_name, 32);
    return lstrcmpiW(class_name, name) == 0;
}

testing::AssertionResult ClickCentre(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return testing::AssertionFailure() << "no rectangle";
    return Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

class OrderNotice : public StartedProgram {
  protected:
    void SetUp() override {
        std::ofstream("Z:" + EnvironmentValue("KORVESSA_URL_RECORD"), std::ios::trunc);
        StartedProgram::SetUp();
    }

    // Shows the box by Space on the focused button, or by a click on it, and waits for it.
    HWND ShowNotice(bool by_mouse = false) {
        EXPECT_TRUE(by_mouse ? ClickCentre(program_.button()) : Press({"Space", {VK_SPACE}}));
        HWND box = nullptr;
        EXPECT_TRUE(polling::Until([&] {
            std::vector<HWND> boxes = NoticeBoxes(program_);
            box = boxes.size() == 1 ? boxes[0] : nullptr;
            return box != nullptr && GetForegroundWindow() == box;
        })) << "the notice box did not come up in front";
        return box;
    }

    testing::AssertionResult WaitForAddresses(std::size_t count) {
        if (polling::Until([&] { return RecordedAddresses().size() >= count; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "expected " << count << " recorded addresses, got " << RecordedAddresses().size();
    }

    // After the box has closed, the record settles: the program is ended and the recorder's
    // last run had its chance to finish, so a second record would show.
    std::vector<std::string> SettledRecord() {
        EXPECT_TRUE(program_.WaitUntilActiveWithFocusOnButton());
        EXPECT_TRUE(Press({"Esc", {VK_ESCAPE}}));
        EXPECT_EQ(program_.WaitForExit(), std::optional<DWORD>(0));
        return RecordedAddresses();
    }
};

TEST_F(OrderNotice, BoxHasTheTitleTheNoticeInOnePieceOneOkButtonAndNoIcon) {
    HWND box = ShowNotice();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), NoticeTitle) << "title: " << DescribeText(WindowText(box));
    std::vector<HWND> buttons, texts, icons;
    for (HWND child : Children(box)) {
        if (!IsWindowVisible(child)) continue;
        if (IsOfClass(child, L"Button")) buttons.push_back(child);
        if (!IsOfClass(child, L"Static")) continue;
        auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        // The box keeps an icon control even without an icon; only one that holds an icon shows.
        if ((style & SS_TYPEMASK) != SS_ICON) texts.push_back(child);
        else if (SendMessageW(child, STM_GETICON, 0, 0) != 0) icons.push_back(child);
    }
    ASSERT_EQ(buttons.size(), 1u) << "buttons in the box";
    EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK) << "its only button is OK";
    ASSERT_EQ(texts.size(), 1u) << "text controls in the box";
    EXPECT_EQ(WindowText(texts[0]), NoticeText) << "notice: " << DescribeText(WindowText(texts[0]));
    EXPECT_TRUE(icons.empty()) << "the box shows an icon";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has an owner";
    if (!Options().screenshot.empty()) {
        std::wstring path = Options().screenshot;
        path = path.substr(0, path.find_last_of(L"\\") + 1) + L"order-notice.bmp";
        std::string error;
        EXPECT_TRUE(SaveScreenAsBmp(path, error)) << error;
    }
}

TEST_F(OrderNotice, StartWindowIsDisabledWhileTheBoxIsUpAndClicksOnItDoNothing) {
    HWND box = ShowNotice();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(program_.window())) << "start window enabled under the box";
    ASSERT_TRUE(ClickCentre(program_.button()));
    ASSERT_TRUE(ClickCentre(program_.button()));
    EXPECT_EQ(NoticeBoxes(program_).size(), 1u) << "a click behind the box opened another";
    EXPECT_TRUE(RecordedAddresses().empty()) << "the site was opened while the box was up";
    ASSERT_TRUE(Press({"Enter", {VK_RETURN}}));
    ASSERT_TRUE(WaitForAddresses(1));
    EXPECT_TRUE(IsWindowEnabled(program_.window())) << "start window still disabled";
    EXPECT_EQ(SettledRecord(), std::vector<std::string>{ExpectedAddress()});
}

struct CloseCase {
    const char* name;
    testing::AssertionResult (*close)(HWND box);
};

const CloseCase CloseCases[] = {
    {"OkByMouse", [](HWND box) { return ClickCentre(GetDlgItem(box, IDOK)); }},
    {"Enter", [](HWND) { return Press({"Enter", {VK_RETURN}}); }},
    {"Space", [](HWND) { return Press({"Space", {VK_SPACE}}); }},
    {"Esc", [](HWND) { return Press({"Esc", {VK_ESCAPE}}); }},
    {"CloseBox",
     [](HWND box) {
         std::optional<POINT> close = FindTitleBarPart(box, HTCLOSE);
         if (!close) return testing::AssertionFailure() << "the box has no close box";
         return Click(*close);
     }},
};

class ClosingTheNotice : public OrderNotice, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTheNotice, OpensTheSiteOnceAfterTheBoxHasGone) {
    HWND box = ShowNotice();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(RecordedAddresses().empty()) << "the site was opened before the box was closed";
    ASSERT_TRUE(GetParam().close(box));
    ASSERT_TRUE(polling::Until([&] { return NoticeBoxes(program_).empty(); }))
        << GetParam().name << " did not close the box";
    ASSERT_TRUE(WaitForAddresses(1)) << GetParam().name;
    EXPECT_EQ(SettledRecord(), std::vector<std::string>{ExpectedAddress()}) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTheNotice, testing::ValuesIn(CloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

// The first press by the mouse, the second by Space.
TEST_F(OrderNotice, EachClickShowsTheBoxAndOpensTheSiteAgain) {
    for (std::size_t click = 1; click <= 2; ++click) {
        HWND box = ShowNotice(click == 1);
        ASSERT_NE(box, nullptr) << "click " << click;
        ASSERT_TRUE(ClickCentre(GetDlgItem(box, IDOK)));
        ASSERT_TRUE(WaitForAddresses(click));
        ASSERT_TRUE(program_.WaitUntilActiveWithFocusOnButton()) << "after click " << click;
    }
    EXPECT_EQ(SettledRecord(), (std::vector<std::string>{ExpectedAddress(), ExpectedAddress()}));
}

TEST_F(OrderNotice, EnterOnTheFocusedButtonShowsNothing) {
    InputBarrier barrier(program_);
    ASSERT_TRUE(Press({"Enter", {VK_RETURN}}));
    ASSERT_TRUE(barrier.Pass());
    EXPECT_TRUE(NoticeBoxes(program_).empty()) << "Enter pressed the Load button";
    EXPECT_TRUE(SettledRecord().empty());
}

// A desktop without a browser: the opener fails, the program goes on, the next click shows the
// box again.
class OrderNoticeWithoutBrowser : public OrderNotice {
  protected:
    void SetUp() override {
        SetEnvironmentVariableA("KORVESSA_URL_OPENER_FAILS", "1");  // inherited by the program
        OrderNotice::SetUp();
        SetEnvironmentVariableA("KORVESSA_URL_OPENER_FAILS", nullptr);
    }
};

TEST_F(OrderNoticeWithoutBrowser, BoxStillShowsAndTheWindowStaysUsable) {
    for (int click = 1; click <= 2; ++click) {
        HWND box = ShowNotice();
        ASSERT_NE(box, nullptr) << "click " << click;
        ASSERT_TRUE(Press({"Enter", {VK_RETURN}}));
        ASSERT_TRUE(polling::Until([&] { return NoticeBoxes(program_).empty(); }));
        ASSERT_TRUE(program_.WaitUntilActiveWithFocusOnButton()) << "after click " << click;
        EXPECT_TRUE(program_.IsRunning());
    }
    EXPECT_TRUE(SettledRecord().empty()) << "the failing opener recorded an address";
}

}  // namespace
