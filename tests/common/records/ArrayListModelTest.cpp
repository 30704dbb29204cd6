// The in-memory list model: sorted insertion, sorting and clearing with the notifications
// its observer window gets, and the search under each option.
#include "records/ArrayListModel.h"

#include <gtest/gtest.h>

#include <string>

#include "common/app/RecordingWindow.h"
#include "common/records/CountedItem.h"

using namespace Nevo;
using nevo_test::CountedItem;
using nevo_test::RecordingWindow;

namespace {

constexpr DWORD c_name = 10;
using Notices = std::vector<std::pair<UINT, WPARAM>>;

class ArrayListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        CountedItem::c_deleted = 0;
        m_model.getTemplate()->addField(TemplateField::Number, 20, nullptr);
        m_model.getTemplate()->addField(TemplateField::String, c_name, nullptr);
        m_model.addObserver(m_observer.handle());
    }
    UINT add(const WCHAR* name) {
        auto* item = new CountedItem(m_model.getTemplate());
        item->setItemData(c_name, name);
        return m_model.addItem(item);
    }
    std::u16string names() {
        std::u16string all;
        for (UINT i = 0; i < m_model.size(); ++i) all += static_cast<const WCHAR*>(m_model.at(i)->getItemData(c_name));
        return all;
    }
    static Notices notices() {
        Notices seen;
        for (const auto& notice : RecordingWindow::c_log) seen.push_back(notice.second);
        RecordingWindow::c_log.clear();
        return seen;
    }

    RecordingWindow m_observer;
    ArrayListModel m_model;
};

TEST_F(ArrayListModelTest, WithoutASortFieldItemsAreAppended) {
    EXPECT_EQ(add(u"b"), 0u);
    EXPECT_EQ(add(u"a"), 1u);
    EXPECT_EQ(notices(), (Notices{{0x8000, 0}, {0x8000, 1}}));
}

TEST_F(ArrayListModelTest, SortedInsertionPutsAnEqualItemBeforeTheExistingOnes) {
    m_model.sort(c_name, ListModel::Ascending);
    add(u"b"), add(u"a"), add(u"c");
    ListItem* oldB = m_model.at(1);
    notices();
    EXPECT_EQ(add(u"b"), 1u);
    EXPECT_EQ(m_model.at(2), oldB);
    EXPECT_EQ(notices(), (Notices{{0x8000, 1}}));
    m_model.sort(c_name, ListModel::Descending);
    add(u"d");
    EXPECT_EQ(names(), u"dcbba");
}

TEST_F(ArrayListModelTest, SortSendsOneChangeAfterTheItemsAreInOrder) {
    add(u"c"), add(u"a"), add(u"d"), add(u"b");
    notices();
    std::u16string seen;
    RecordingWindow::c_hook = [&] { seen = names(); };
    m_model.sort(c_name, ListModel::Ascending);
    EXPECT_EQ(seen, u"abcd");
    EXPECT_EQ(notices(), (Notices{{0x8002, reinterpret_cast<WPARAM>(&m_model)}}));
}

TEST_F(ArrayListModelTest, RemoveAndClearDeleteTheirItemsAndClearSendsMinusOne) {
    add(u"a"), add(u"b"), add(u"c"), add(u"d");
    notices();
    m_model.removeItem(1);
    EXPECT_EQ(CountedItem::c_deleted, 1);
    EXPECT_EQ(names(), u"acd");
    m_model.clear();
    EXPECT_EQ(CountedItem::c_deleted, 4);
    EXPECT_EQ(m_model.size(), 0u);
    EXPECT_EQ(notices(), (Notices{{0x8001, 1}, {0x8002, static_cast<WPARAM>(-1)}}));
}

TEST_F(ArrayListModelTest, FindHonoursCaseAndPrefixOptions) {
    add(u"Alpha"), add(u"beta"), add(u"Betamax");
    EXPECT_EQ(m_model.findItem(c_name, u"Beta", 0), ListModel::c_noIndex);
    EXPECT_EQ(m_model.findItem(c_name, u"Beta", ListModel::CaseInsensitive), 1u);
    EXPECT_EQ(m_model.findItem(c_name, u"Betam", ListModel::Prefix), 2u);
    EXPECT_EQ(m_model.findItem(c_name, u"AL", ListModel::Prefix | ListModel::CaseInsensitive | ListModel::Descending), 0u);
}

}  // namespace
