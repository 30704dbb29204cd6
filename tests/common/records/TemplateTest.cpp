// Templates and items: how each field type stores and frees its slot, and comparison under
// every sort option.
#include "records/Template.h"

#include <gtest/gtest.h>

#include <string>

#include "common/records/CountedItem.h"
#include "core/HeapCtrl.h"
#include "records/ListModel.h"

using namespace Nevo;
using nevo_test::CountedItem;
using nevo_test::number;

namespace {

constexpr DWORD c_name = 1, c_time = 2, c_size = 3;

class TemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_template.addField(TemplateField::String, c_name, u"Name");
        m_template.addField(TemplateField::FileTime, c_time, nullptr);
        m_template.addField(TemplateField::Number, c_size, nullptr);
        m_before = blocks();
    }
    int compare(DWORD tag, const void* a, const void* b, DWORD options = ListModel::Ascending) {
        return m_template.getField(tag, nullptr)->compare(a, b, options);
    }
    static unsigned blocks() { return HeapCtrl::get(HEAP_ITEMS).getAllocCount(); }

    Template m_template;
    unsigned m_before = 0;
};

TEST_F(TemplateTest, AStringSetFromNullReadsBackEmptyAndOnlyRealCopiesAreFreed) {
    delete new CountedItem(&m_template);
    EXPECT_EQ(blocks(), m_before) << "an item never written frees nothing";
    auto* item = new CountedItem(&m_template);
    item->setItemData(c_name, nullptr);
    EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(item->getItemData(c_name))), u"");
    EXPECT_EQ(blocks(), m_before + 1) << "the slot array only";
    item->setItemData(c_name, u"Beta");
    EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(item->getItemData(c_name))), u"Beta");
    delete item;
    EXPECT_EQ(blocks(), m_before);
}

TEST_F(TemplateTest, AFileTimeIsStoredAsAnIndependentCopyOrAsNull) {
    CountedItem item(&m_template);
    FILETIME time{0x11111111, 0x22222222};
    item.setItemData(c_time, &time);
    time.dwLowDateTime = 0;
    const auto* stored = static_cast<const FILETIME*>(item.getItemData(c_time));
    EXPECT_EQ(stored->dwLowDateTime, 0x11111111u);
    item.setItemData(c_time, nullptr);
    EXPECT_EQ(item.getItemData(c_time), nullptr);
    EXPECT_EQ(blocks(), m_before + 1) << "the overwritten copy is freed";
}

TEST_F(TemplateTest, StringsCompareUnderCaseDirectionAndPrefixOptions) {
    EXPECT_GT(compare(c_name, u"abc", u"ABD"), 0);
    EXPECT_LT(compare(c_name, u"abc", u"ABD", ListModel::CaseInsensitive), 0);
    EXPECT_GT(compare(c_name, u"abc", u"ABD", ListModel::CaseInsensitive | ListModel::Descending), 0);
    EXPECT_EQ(compare(c_name, u"ab", u"abc", ListModel::Prefix), 0);
    EXPECT_NE(compare(c_name, u"abc", u"ab", ListModel::Prefix), 0);
    EXPECT_EQ(compare(c_name, u"AB", u"abc", ListModel::Prefix | ListModel::CaseInsensitive), 0);
}

TEST_F(TemplateTest, NumbersCompareAsSigned32BitDifferencesAndTimesHighWordFirst) {
    EXPECT_EQ(compare(c_size, number(5), number(3)), 2);
    EXPECT_EQ(compare(c_size, number(5), number(3), ListModel::Descending), -2);
    EXPECT_LT(compare(c_size, number(0x80000000u), number(0)), 0);
    const FILETIME early{0xFFFFFFFF, 1}, late{0, 2}, later{5, 2};
    EXPECT_LT(compare(c_time, &early, &late), 0);
    EXPECT_LT(compare(c_time, &late, &later), 0);
    EXPECT_EQ(compare(c_time, &later, &later), 0);
}

}  // namespace
