// The database-backed model: items read once and cached, records written and deleted
// through it, and another handle's creations, changes and deletions followed so that the
// model always reads as the database does.
#include <cetest.h>

#include <random>

#include "common/records/RecordModelFixture.h"

namespace records_test {
namespace {

using DbListModel = RecordModelTest;

TEST_F(DbListModel, ReadsEachRecordOnceAndAMissingStringAsEmpty) {
    put(2, u"two"), put(1, nullptr);
    DbModel model;
    EXPECT_EQ(rows(model), (std::vector<Row>{{1, u""}, {2, u"two"}}));
    EXPECT_EQ(model.at(0), model.at(0));
    EXPECT_EQ(model.m_loads, 2);
    EXPECT_EQ(model.at(2), nullptr);
}

TEST_F(DbListModel, AddedAndRemovedItemsGoToTheDatabaseAndTheirPlaces) {
    put(10, u"a"), put(30, u"c");
    DbModel model;
    model.addObserver(m_observer.handle());
    auto* item = new nevo_test::CountedItem(model.getTemplate());
    item->setItemData(c_key, reinterpret_cast<void*>(20));
    item->setItemData(c_name, u"b");
    EXPECT_EQ(model.addItem(item), 1u);
    EXPECT_EQ(model.at(1), item);
    model.removeItem(0);
    model.removeItem(7);  // past the end: nothing to delete, nothing to tell
    EXPECT_EQ(notices(), (Notices{{0x8000, 1}, {0x8001, 0}}));
    EXPECT_EQ(pump(), 0);  // a handle is not told of its own changes
    EXPECT_EQ(rows(model), fresh());
    EXPECT_EQ(model.size(), 2u);
}

TEST_F(DbListModel, AFailedWriteInsertsNothingAndDeletesTheItem) {
    put(1, u"a");
    DbModel model;
    model.addObserver(m_observer.handle());
    model.at(0);
    model.getDatabase()->close();  // every write now fails
    nevo_test::CountedItem::c_deleted = 0;
    EXPECT_EQ(model.addItem(new nevo_test::CountedItem(model.getTemplate())), ListModel::c_noIndex);
    EXPECT_EQ(nevo_test::CountedItem::c_deleted, 1);
    EXPECT_EQ(notices(), Notices{});
    EXPECT_EQ(rowOf(model.at(0)), (Row{1, u"a"}));
}

TEST_F(DbListModel, ARecordCreatedElsewhereIsInsertedAtItsSortPosition) {
    for (int key : {10, 20, 30, 40}) put(key, u"x");
    DbModel model;
    model.addObserver(m_observer.handle());
    ListItem* third = model.at(2);
    put(25, u"new");
    ASSERT_EQ(pump(), 1);
    EXPECT_EQ(notices(), (Notices{{0x8000, 2}}));
    EXPECT_EQ(model.at(3), third);
    EXPECT_EQ(rows(model), fresh());
}

TEST_F(DbListModel, ARecordCreatedAndDeletedBeforeItsNoticeIsNotInserted) {
    put(1, u"a");
    DbModel model;
    model.addObserver(m_observer.handle());
    remove(put(2, u"b"));
    EXPECT_EQ(pump(), 2);
    EXPECT_EQ(notices(), (Notices{{0x8002, reinterpret_cast<WPARAM>(&model)}}));
    EXPECT_EQ(rows(model), fresh());
}

TEST_F(DbListModel, DeletionsAndChangesElsewhereKeepTheModelOpenAndExact) {
    std::vector<CEOID> oids;
    for (int key = 0; key < 40; ++key) oids.push_back(put(key * 10, u"r"));
    DbModel model;
    model.addObserver(m_observer.handle());
    model.cacheItems(0, 40);
    remove(oids[35]);
    ASSERT_EQ(pump(), 1);
    model.cacheItems(0, 39);
    put(45, u"moved", oids[3]);  // from place 3 to place 4
    ASSERT_EQ(pump(), 1);
    model.cacheItems(0, 39);
    put(130, u"same", oids[13]);  // keeps its place
    ASSERT_EQ(pump(), 1);
    EXPECT_EQ(notices(), (Notices{{0x8001, 35}, {0x8002, reinterpret_cast<WPARAM>(&model)}, {0x8003, 13}}));
    EXPECT_TRUE(model.getDatabase()->isOpen());
    EXPECT_EQ(rows(model), fresh());
}

// A notice still queued when its open ended reaches neither a later open nor freed memory.
TEST_F(DbListModel, ANoticeQueuedBeforeAReopenOrDestructionIsOnlyFreed) {
    put(1, u"a"), put(3, u"c");
    DbModel model;
    model.cacheItems(0, 2);
    put(2, u"b");
    model.reopen();  // the fresh open already counts the new record
    model.addObserver(m_observer.handle());
    model.cacheItems(0, 3);
    size_t blocks = ce::test::heapBlockCount(nullptr);  // the first notice among them
    {
        DbModel destroyed;
        put(4, u"d");
    }
    EXPECT_EQ(pump(), 3);
    EXPECT_EQ(ce::test::heapBlockCount(nullptr), blocks - 1);
    EXPECT_EQ(notices(), (Notices{{0x8000, 3}}));
    EXPECT_EQ(rows(model), fresh());
}

TEST_F(DbListModel, FindingOnAnotherPropertyReopensInItsOrder) {
    put(1, u"zed"), put(2, u"abc"), put(3, u"abd");
    DbModel model;
    model.at(0);
    EXPECT_EQ(model.findItem(c_name, u"abd", 0), 1u);
    EXPECT_EQ(model.getSortTag(), c_name);
    EXPECT_EQ(rows(model), fresh(c_name));
    EXPECT_EQ(model.findItem(c_name, u"ab", ListModel::Prefix), 0u);
    EXPECT_EQ(model.findItem(c_name, u"q", 0), ListModel::c_noIndex);
    EXPECT_EQ(model.findItem(PROP_TAG(CEVT_I4, 9), nullptr, 0), ListModel::c_noIndex);
}

TEST_F(DbListModel, CountsAndPlacesBeyondSixteenBits) {
    ASSERT_TRUE(ce::objstore::beginBatch());
    for (int key = 0; key < 70000; ++key) put(key, u"n");
    ASSERT_TRUE(ce::objstore::endBatch());
    DbModel model;
    EXPECT_EQ(model.size(), 70000u);
    EXPECT_EQ(rowOf(model.at(69999)), (Row{69999, u"n"}));
}

// Another handle writes, changes and deletes at random while the model is read at random
// places, before the notices of those changes arrive as well; once they are handed on, the
// model reads as the database does.
TEST_F(DbListModel, FollowsRandomChangesElsewhere) {
    std::mt19937 random(7);
    std::vector<CEOID> oids;
    for (int i = 0; i < 300; ++i) oids.push_back(put(static_cast<int>(random() % 1000), u"start"));
    DbModel model;
    for (int round = 0; round < 40; ++round) {
        for (int change = 0; change < 8; ++change) {
            unsigned pick = random() % 3;
            std::u16string name(1, static_cast<WCHAR>(u'a' + random() % 26));
            if (pick == 0 || oids.empty()) oids.push_back(put(static_cast<int>(random() % 1000), name.c_str()));
            else if (pick == 1) put(static_cast<int>(random() % 1000), name.c_str(), oids[random() % oids.size()]);
            else {
                size_t k = random() % oids.size();
                remove(oids[k]);
                oids.erase(oids.begin() + static_cast<long>(k));
            }
            for (int read = 0; read < 5; ++read) model.at(static_cast<UINT>(random() % (model.size() + 1)));
        }
        pump();
        ASSERT_EQ(rows(model), fresh()) << "round " << round;
    }
}

}  // namespace
}  // namespace records_test
