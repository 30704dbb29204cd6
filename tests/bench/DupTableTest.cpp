// The duplicate finder's SQLite baseline and the check that stops a run whose sides disagree.
#include <gtest/gtest.h>

#include "DupFinderBenchmarks.h"
#include "DupTable.h"
#include "DupVolume.h"
#include "SqliteTable.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"

namespace {

// Differ only in case, or beyond ASCII: each must stay its own group.
const std::vector<std::u16string> c_values = {u"Anna", u"anna", u"Laura Müller", u"Anna", u"Laura Muller",
                                              u"Laura Müller", u"Anna"};
constexpr std::int64_t c_repeats = 3;

class DupTableTest : public testing::Test {
protected:
    void TearDown() override {
        for (sqlite3* db : m_open) sqlite3_close(db);
        ce::objstore::setVolumePath("");
    }
    sqlite3* table(const char* name, const std::vector<std::u16string>& values, bool indexed) {
        sqlite3* db = DupTable::create(m_scratch.file(name), values, indexed);
        m_open.push_back(db);
        return db;
    }

    test_support::ScratchFolder m_scratch{"dup-table-test"};
    std::vector<sqlite3*> m_open;
};

TEST_F(DupTableTest, HoldsTheValuesAsGiven) {
    sqlite3* db = table("values.sqlite", c_values, true);
    ASSERT_NE(db, nullptr);
    SqlStatement rows(db, "SELECT value FROM dup_values ORDER BY rowid");
    std::vector<std::u16string> back;
    while (sqlite3_step(rows.get()) == SQLITE_ROW)
        back.emplace_back(static_cast<const char16_t*>(sqlite3_column_text16(rows.get(), 0)));
    EXPECT_EQ(back, c_values);
}

TEST_F(DupTableTest, RepeatsCountWholeValuesWithAndWithoutTheIndex) {
    EXPECT_EQ(DupTable::repeats(table("indexed.sqlite", c_values, true)), c_repeats);
    EXPECT_EQ(DupTable::repeats(table("plain.sqlite", c_values, false)), c_repeats);
}

TEST_F(DupTableTest, FinderAndTablesAgreeAndAnExtraRepeatIsReported) {
    ce::objstore::setVolumePath(m_scratch.file("test.vol"));
    DupCase dupCase;
    dupCase.propid = DupVolume::c_syntheticProp;
    dupCase.sorted = DupVolume::createSynthetic(u"s", 60, 20, true);
    dupCase.unsorted = DupVolume::createSynthetic(u"u", 60, 20, false);
    std::vector<std::u16string> values = DupVolume::values(dupCase.sorted, dupCase.propid);
    bench::DupBaseline baseline{table("i.sqlite", values, true), table("p.sqlite", values, false)};
    EXPECT_EQ(bench::dupDisagreement(dupCase, baseline), "");

    values.push_back(values.front());
    baseline.plain = table("extra.sqlite", values, false);
    EXPECT_NE(bench::dupDisagreement(dupCase, baseline), "");
    // A sorted case whose database has no sort order would time the unsorted search.
    baseline.plain = baseline.indexed;
    dupCase.sorted = dupCase.unsorted;
    EXPECT_NE(bench::dupDisagreement(dupCase, baseline), "");
}

}  // namespace
