// Fatal errors and the BUG/LOG lines.
#include <cetest.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/Debug.h"

using namespace Nevo;

TEST(DebugTest, AbortShowsAnErrorBoxReturnsAndLeavesAQuitRequestWithCode1) {
    std::vector<ce::test::MessageBoxCall> boxes;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall& call) {
        boxes.push_back(call);
        return IDOK;
    });
    Debug::abort(u"Can't create %s", u"db");
    ce::test::setMessageBoxResponder({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].text + boxes[0].caption, u"Can't create dbError");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_SETFOREGROUND));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 1u);
}

TEST(DebugTest, BugfAndLogStringfWritePrefixAndTextWithoutLineEnd) {
    testing::internal::CaptureStderr();
    bugf(u"%d", 5);
    log_stringf(u"caf\u00e9");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "** BUG **: 5** LOG **: caf\xc3\xa9");
}
