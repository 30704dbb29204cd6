// MessageBoxW with a test responder: the responder sees the box as shown and answers it
// (tests/platform/dialog shows the box itself).
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

}  // namespace
