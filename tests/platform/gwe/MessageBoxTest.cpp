// MessageBoxW without a screen: the test responder sees the box as shown, and without one the
// default button of the style answers.
#include "cetest.h"
#include "platform/gwe/MessageRecorder.h"

namespace {

TEST(MessageBoxTest, ResponderSeesTheBoxAndChoosesTheButton) {
    std::vector<ce::test::MessageBoxCall> calls;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall& call) {
        calls.push_back(call);
        return IDNO;
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Delete 3 records?", nullptr, MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"", u"", 0x0F), 0);  // no such type: not shown
    ce::test::setMessageBoxResponder(nullptr);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, u"Delete 3 records?");
    EXPECT_EQ(calls[0].caption, u"Error");  // a null caption, as on the handheld
    EXPECT_EQ(calls[0].style, UINT{MB_YESNO | MB_ICONQUESTION});
}

TEST(MessageBoxTest, WithoutResponderTheDefaultButtonAnswers) {
    std::vector<std::pair<UINT, int>> cases = {
        {MB_OK, IDOK},       {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL}, {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY}, {MB_RETRYCANCEL, IDRETRY}, {MB_OK | MB_DEFBUTTON3, IDOK}};
    for (auto [style, answer] : cases) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Caption", style), answer) << "style " << style;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Caption: Text\n");
    }
}

}  // namespace
