// The ring of error records and their message formatting.
#include <gtest/gtest.h>

#include <string>

#include "core/ErrorInfo.h"

using namespace Nevo;

TEST(ErrorInfoTest, FourthAcquireReturnsTheFirstRecordAgain) {
    ErrorInfo* first = ErrorInfo::acquire();
    EXPECT_NE(ErrorInfo::acquire(), first);
    EXPECT_NE(ErrorInfo::acquire(), first);
    EXPECT_EQ(ErrorInfo::acquire(), first);
}

TEST(ErrorInfoTest, MessageIsCutTo127CharactersAndEmptyWithoutFormat) {
    std::u16string text(200, u'm');
    ErrorInfo* info = ErrorInfo::acquire();
    EXPECT_EQ(info->initialize(87, u"%s", text.c_str()), info);
    EXPECT_EQ(info->getCode(), 87u);
    EXPECT_EQ(std::u16string(info->getMessage()), text.substr(0, 127));
    info->initialize(5, nullptr);
    EXPECT_EQ(info->getMessage()[0], 0);
}
