// SHShowOutOfMemory: a stop-icon OK box brought to the foreground, shown through MessageBoxW.
#include "aygshell.h"
#include "cetest.h"
#include "windows.h"

#include <gtest/gtest.h>

namespace {

TEST(OutOfMemoryTest, ShowsAStopOkForegroundBoxOverTheOwnerAndReturnsZero) {
    std::vector<ce::test::MessageBoxCall> calls;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall& call) {
        calls.push_back(call);
        return IDOK;
    });
    EXPECT_EQ(SHShowOutOfMemory(nullptr, 0), 0);
    ce::test::setMessageBoxResponder(nullptr);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, nullptr);
    EXPECT_EQ(calls[0].style, UINT{MB_ICONSTOP | MB_OK | MB_SETFOREGROUND});
    EXPECT_NE(calls[0].caption.find(u"Memory"), std::u16string::npos);
    EXPECT_NE(calls[0].text.find(u"memory"), std::u16string::npos);
}

}  // namespace
