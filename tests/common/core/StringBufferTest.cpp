// Tests of the str_ buffers: capacity limits and the overflow report, formatted appends
// that must grow, the pool's order, lock slots, and both cases of str_purgepool.
#include "core/StringBuffer.h"

#include <gtest/gtest.h>

#include <string>

#include <cewchar.h>

#include "core/HeapCtrl.h"

using namespace Nevo;

namespace {

std::u16string text(const string_str* s) {
    return std::u16string(s->buffer, static_cast<size_t>(s->length));
}

void appendRepeated(string_str* s, WCHAR c, int count) {
    const std::u16string chunk(static_cast<size_t>(count), c);
    str_ncat(s, chunk.data(), count);
}

class StringBufferTest : public ::testing::Test {
protected:
    // Every test starts with an empty pool and no records made.
    void SetUp() override {
        str_unlock_all();
        str_free(str_new(nullptr));
        str_purgepool();
        ASSERT_EQ(str_allocatedcount(), 0);
    }
};

TEST_F(StringBufferTest, GrowsFrom256ByDoublingAndRefusesPast8192) {
    string_str* s = str_new(nullptr);
    EXPECT_EQ(s->capacity, 256);
    EXPECT_EQ(s->buffer[0], 0);
    appendRepeated(s, u'a', 300);
    EXPECT_EQ(s->capacity, 512);
    appendRepeated(s, u'b', 8192 - 300);
    testing::internal::CaptureStderr();
    str_cconcat(s, u"c");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("STRBUF overflow 8193"), std::string::npos);
    EXPECT_EQ(str_len(s), 8192);

    testing::internal::CaptureStderr();
    const WCHAR* full = str_cstr(s);  // no room for the terminator: the last character goes
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(wcslen(full), 8191u);
    str_free(s);
}

TEST_F(StringBufferTest, ConcatfGrowsUntilTheWholeTextFits) {
    string_str* s = str_new(u"ab");
    appendRepeated(s, u'.', 254);  // exactly full: no room at all
    const std::u16string arg(1000, u'q');
    str_concatf(s, u"<%s>%d", arg.c_str(), 7);
    EXPECT_EQ(text(s), u"ab" + std::u16string(254, u'.') + u"<" + arg + u">7");

    testing::internal::CaptureStderr();
    str_concatf(s, u"%s", std::u16string(8000, u'x').c_str());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("STRBUF overflow"), std::string::npos);
    EXPECT_EQ(str_len(s), 1259);
    str_free(s);
}

TEST_F(StringBufferTest, ChompRemovesOnlyOneTrailingWhiteSpace) {
    string_str* s = str_new(u"ab\n\n");
    str_chomp(s);
    EXPECT_EQ(text(s), u"ab\n");
    str_free(s);
}

TEST_F(StringBufferTest, PoolAndLockSlotsHandRecordsBackInTheOrderTheyWereFreed) {
    string_str* p = str_lock(3);
    string_str* q = str_lock(3);
    str_cconcat(p, u"text");
    str_lock(4);
    str_unlock(3);
    str_unlock(3);  // the slot is empty now
    EXPECT_EQ(str_poolsize(), 2);
    EXPECT_EQ(str_new(nullptr), p);
    EXPECT_EQ(str_new(nullptr), q);
    EXPECT_EQ(std::u16string(str_cstr(p)), u"");
    str_unlock_all();
    EXPECT_EQ(str_poolsize(), 1);
    EXPECT_EQ(str_allocatedcount(), 3);
    str_free(p);
    str_free(q);
}

TEST_F(StringBufferTest, PurgeDropsTheWholeHeapOnlyWhenEveryRecordIsIdle) {
    HeapCtrl& heap = HeapCtrl::getStringHeap();
    string_str* kept = str_new(u"kept");
    str_free(str_new(u"idle"));
    const unsigned blocks = heap.getAllocCount();
    str_purgepool();
    EXPECT_EQ(heap.getAllocCount(), blocks - 2);
    EXPECT_EQ(text(kept), u"kept");

    str_free(kept);
    str_purgepool();
    EXPECT_EQ(str_allocatedcount(), 0);
    EXPECT_EQ(heap.currentHandle(), nullptr);
    str_free(str_new(u"again"));  // the heap comes back on demand
}

}  // namespace
