// Filtered views: the multi-index model's ranges between bounds, kept exact as records come
// and go inside, before and after them, and ListFilter's ranges over any model.
#include "common/records/CountedItem.h"
#include "common/records/RecordModelFixture.h"
#include "records/ArrayListModel.h"
#include "records/ListFilter.h"

namespace records_test {
namespace {

using MultiIndex = RecordModelTest;

using nevo_test::number;

TEST_F(MultiIndex, BoundsSelectTheRecordsWithinThemBothIncluded) {
    for (int key = 0; key < 20; ++key) put(key, key % 2 ? u"odd" : u"even");
    FilteredModel model;
    model.addObserver(m_observer.handle());
    model.filter(number(10), number(14));
    EXPECT_EQ(notices(), (Notices{{0x8002, reinterpret_cast<WPARAM>(&model)}}));
    EXPECT_EQ(model.size(), 5u);
    EXPECT_EQ(rowOf(model.at(0)), (Row{10, u"even"}));
    EXPECT_EQ(model.at(5), nullptr);
    model.filter(number(-5), number(2));
    EXPECT_EQ(model.size(), 3u);
    model.filter(number(17), number(99));
    EXPECT_EQ(model.size(), 3u);
    model.filter(number(50), number(99));  // above every value
    EXPECT_EQ(model.size(), 0u);
    model.filter(number(-9), number(-1));  // below every value
    EXPECT_EQ(model.size(), 0u);
    model.clearFilter();
    EXPECT_EQ(model.size(), 20u);
    EXPECT_EQ(rowOf(model.at(19)), (Row{19, u"odd"}));

    // Two indices: keys 1-3, then ranks 2-3 (keys 0-1).
    model.addIndex(c_rank);
    model.addIndex(c_key);  // already there
    model.filter(number(1), number(3));
    EXPECT_EQ(model.size(), 5u);
    EXPECT_EQ(rowOf(model.at(3)).first, 0);
    EXPECT_EQ(rowOf(model.at(4)).first, 1);
}

TEST_F(MultiIndex, StringBoundsAreCopiedAndAppliedAgainAfterChanges) {
    put(1, u"b");
    CEOID m = put(2, u"m");
    put(3, u"c"), put(4, u"n"), put(5, u"a");
    FilteredModel model(c_name);
    std::u16string from = u"m", to = u"n";
    model.filter(from.c_str(), to.c_str());
    from = u"zz", to = u"zz";  // the caller's text may change or go
    EXPECT_EQ(model.size(), 2u);
    EXPECT_EQ(rowOf(model.at(0)), (Row{2, u"m"}));
    model.addObserver(m_observer.handle());
    put(6, u"mm");
    pump();
    EXPECT_EQ(model.size(), 3u);
    EXPECT_EQ(rowOf(model.at(1)), (Row{6, u"mm"}));
    // The range's own notice comes after the model's: the views hear of the new size then.
    Notices seen = notices();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), (std::pair<UINT, WPARAM>{0x8002, reinterpret_cast<WPARAM>(&model)}));
    // A record changed within the range moves nothing, but its row must be drawn again.
    put(2, u"ma", m);
    pump();
    seen = notices();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), (std::pair<UINT, WPARAM>{0x8002, reinterpret_cast<WPARAM>(&model)}));
    EXPECT_EQ(rowOf(model.at(0)), (Row{2, u"ma"}));
}

TEST_F(MultiIndex, TheRangeHoldsExactlyTheRecordsWithinTheBoundsAfterChanges) {
    std::vector<CEOID> oids;
    for (int key = 0; key < 10; ++key) oids.push_back(put(key * 10, u"r"));
    FilteredModel model;
    model.filter(number(30), number(60));
    ASSERT_EQ(model.size(), 4u);
    put(5, u"before"), put(45, u"inside"), put(95, u"after");
    remove(oids[0]), remove(oids[4]), remove(oids[9]);
    put(35, u"changed in", oids[8]);
    pump();
    std::vector<Row> inRange;
    for (const Row& row : fresh())
        if (row.first >= 30 && row.first <= 60) inRange.push_back(row);
    EXPECT_EQ(rows(model), inRange);
}

TEST(ListFilterTest, RangesMapFilteredPositionsToTheModel) {
    ArrayListModel model;
    model.getTemplate()->addField(TemplateField::Number, 1, nullptr);
    model.sort(1, 0);
    for (int value = 0; value < 12; ++value) {
        auto* item = new nevo_test::CountedItem(model.getTemplate());
        item->setItemData(1, number(value));
        model.addItem(item);
    }
    ListFilter filter;
    EXPECT_EQ(filter.size(), ListModel::c_noIndex);
    EXPECT_EQ(filter.logicalToActual(7), 7u);
    filter.addFilter(&model, 1, number(2), number(5));
    filter.addFilter(&model, 1, number(8), number(10));
    EXPECT_EQ(filter.size(), 5u);
    EXPECT_EQ(filter.logicalToActual(0), 2u);
    EXPECT_EQ(filter.logicalToActual(3), 8u);
    EXPECT_EQ(filter.logicalToActual(4), 9u);
    EXPECT_EQ(filter.logicalToActual(5), ListModel::c_noIndex);

    // A `to` that is not found runs the range to the last position, not beyond it.
    filter.clearFilter();
    filter.addFilter(&model, 1, number(9), number(99));
    EXPECT_EQ(filter.size(), 3u);
    EXPECT_EQ(filter.logicalToActual(2), 11u);
    EXPECT_EQ(filter.logicalToActual(3), ListModel::c_noIndex);

    filter.clearFilter();
    filter.addFilter(&model, 1, number(99), number(5));
    EXPECT_FALSE(filter.empty());
    EXPECT_EQ(filter.size(), 0u);
    filter.addFilter(&model, 1, number(98), number(5));  // again no `from`: not added
    EXPECT_EQ(filter.size(), 0u);
}

}  // namespace
}  // namespace records_test
