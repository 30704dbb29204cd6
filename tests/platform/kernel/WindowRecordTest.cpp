// The text of published window records: any name survives, and any cut-short text is refused
// rather than read as fewer windows.
#include <gtest/gtest.h>

#include "kernel/WindowRecord.h"

namespace {

using ce::kernel::WindowRecord;

const std::vector<WindowRecord> c_records = {
    {0x0000123400010002, u"Orvane", u"Orvane"},
    {0x0000123400020004, u"two words\nand a line", u""},
    {0x0000123400030006, u"\u00e9t\u00e9 \U0001F600", u"- "},
};

TEST(WindowRecords, EveryNameAndTitleComesBackAsWritten) {
    auto parsed = ce::kernel::parseWindowRecords(ce::kernel::formatWindowRecords(c_records));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, c_records);
    auto none = ce::kernel::parseWindowRecords(ce::kernel::formatWindowRecords({}));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST(WindowRecords, ATextCutShortAnywhereIsRefused) {
    std::string text = ce::kernel::formatWindowRecords(c_records);
    for (std::size_t length = 0; length < text.size(); ++length)
        EXPECT_FALSE(ce::kernel::parseWindowRecords(std::string_view(text).substr(0, length))) << length;
}

TEST(WindowRecords, DamagedFieldsAreRefused) {
    std::string text = ce::kernel::formatWindowRecords({c_records[0]});
    for (char& c : text) {
        if (c != ' ') continue;
        c = 'x';  // two fields run together
        EXPECT_FALSE(ce::kernel::parseWindowRecords(text));
        c = ' ';
    }
    std::string odd = text;
    odd.insert(odd.find(' ') + 1, "0");  // a class name that is not whole UTF-16 units
    EXPECT_FALSE(ce::kernel::parseWindowRecords(odd));
}

}  // namespace
