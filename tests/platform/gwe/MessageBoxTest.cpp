// MessageBoxW without a screen: the test responder sees the box as shown, and without one the
// default button of the style answers.
#include "cetest.h"
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class MessageBoxTest : public WindowTest {
protected:
    void TearDown() override {
        ce::test::setMessageBoxResponder(nullptr);
        WindowTest::TearDown();
    }
};

TEST_F(MessageBoxTest, ResponderSeesOwnerTextCaptionAndStyleAndChoosesTheButton) {
    HWND owner = create("owner");
    std::vector<ce::test::MessageBoxCall> calls;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall& call) {
        calls.push_back(call);
        return IDNO;
    });
    EXPECT_EQ(MessageBoxW(owner, u"Delete 3 records?", u"Orvane", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"Cannot open", nullptr, MB_OK), IDNO);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].owner, owner);
    EXPECT_EQ(calls[0].text, u"Delete 3 records?");
    EXPECT_EQ(calls[0].caption, u"Orvane");
    EXPECT_EQ(calls[0].style, UINT{MB_YESNO | MB_ICONQUESTION});
    EXPECT_EQ(calls[1].caption, u"Error");  // a null caption, as on the handheld
}

TEST_F(MessageBoxTest, WithoutResponderTheDefaultButtonAnswers) {
    struct Case {
        UINT style;
        int answer;
    };
    for (Case c : {Case{MB_OK, IDOK}, Case{MB_OKCANCEL, IDOK}, Case{MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                   Case{MB_YESNO, IDYES}, Case{MB_YESNO | MB_DEFBUTTON2, IDNO},
                   Case{MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL}, Case{MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
                   Case{MB_RETRYCANCEL, IDRETRY}, Case{MB_OK | MB_DEFBUTTON3, IDOK}}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Caption", c.style), c.answer) << "style " << c.style;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Caption: Text\n");
    }
}

TEST_F(MessageBoxTest, StaleOwnerOrUnknownTypeFails) {
    HWND gone = create("gone");
    DestroyWindow(gone);
    int asked = 0;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall&) { return ++asked; });
    EXPECT_EQ(MessageBoxW(gone, u"", u"", MB_OK), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_EQ(MessageBoxW(nullptr, u"", u"", 0x0F), 0);
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace gwetest
