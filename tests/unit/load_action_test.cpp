// The Load button's action over the fake toolkit: the notice box, then the ordering site, on
// every click and whatever the box or the opener report.
#include "gbk.h"
#include "runtime_fixture.h"
#include "ui/order_site.h"
#include "ui/start_window_form.h"

namespace {

constexpr int LoadButton = 0;  // the only control of the start window

class LoadAction : public RuntimeTest {
  protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        InitRuntime();
        LoadWindow(StartWindowId);
        fake::toolkit().log.clear();
    }
};

TEST_F(LoadAction, ClickShowsTheNoticeThenOpensTheSite) {
    fake::ClickControl(LoadButton);
    EXPECT_EQ(fake::toolkit().log, (std::vector<std::string>{"message box", "open url"}));
    ASSERT_EQ(fake::toolkit().message_boxes.size(), 1u);
    const auto& box = fake::toolkit().message_boxes[0];
    EXPECT_EQ(box.text, std::string(OrderNoticeText));
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(GbkToUtf8(box.title.c_str()), "\u4FE1\u606F\uFF1A") << "the default title 信息：";
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(fake::toolkit().opened_urls, std::vector<std::string>{"http://" KORVESSA_ORDER_HOST "/"});
    EXPECT_FALSE(fake::toolkit().windows[0].destroyed);
}

TEST_F(LoadAction, SiteOpensHoweverTheBoxEndedAndEveryClickRepeatsBoth) {
    fake::toolkit().message_box_answer = MessageAnswer::None;  // the box could not be shown
    fake::toolkit().opener_fails = true;                       // and there is no browser
    fake::ClickControl(LoadButton);
    fake::toolkit().message_box_answer = MessageAnswer::Ok;
    fake::ClickControl(LoadButton);
    EXPECT_EQ(fake::toolkit().log,
              (std::vector<std::string>{"message box", "open url", "message box", "open url"}));
    EXPECT_FALSE(fake::toolkit().windows[0].destroyed);
}

TEST(OrderSite, NoticeIsTheThirtyGbkBytesOfTheQuotedText) {
    EXPECT_EQ(sizeof OrderNoticeText, 31u);
    EXPECT_EQ(std::string(OrderNoticeText).size(), 30u);
    EXPECT_EQ(GbkToUtf8(OrderNoticeText),
              "\u70B9\u51FB\u786E\u5B9A\u8FDB\u5165\uFF0C\u6CE8\u518C\u5E10\u53F7\u4E0B\u5355\u5373\u53EF");
    EXPECT_EQ(static_cast<unsigned char>(OrderNoticeText[12]), 0xA3) << "seventh character: full-width comma";
    EXPECT_EQ(static_cast<unsigned char>(OrderNoticeText[13]), 0xAC);
}

TEST(OrderSite, AddressIsHttpTheConfiguredHostAndSlash) {
    EXPECT_STREQ(OrderSiteUrl, "http://" KORVESSA_ORDER_HOST "/");
}

}  // namespace
