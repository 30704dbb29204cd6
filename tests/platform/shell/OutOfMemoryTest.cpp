// SHShowOutOfMemory: a stop-icon OK box brought to the foreground, shown through MessageBoxW.
#include <gtest/gtest.h>

#include "aygshell.h"
#include "cetest.h"
#include "windows.h"

TEST(OutOfMemoryTest, ShowsAStopOkForegroundBoxAndReturnsZero) {
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
    EXPECT_EQ(calls[0].caption, u"Out of Memory");
}
