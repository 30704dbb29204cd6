// Sort order indexes kept in the volume: a sound one is used as it is, and one that is
// missing, stale or damaged is rebuilt from the records and saved again.
#include <algorithm>
#include <cstdio>

#include "TempVolume.h"
#include "objstore/SavedIndex.h"

namespace objstore_test {
namespace {

using ce::objstore::KeyOrder;
using ce::objstore::OrderIndex;
using ce::objstore::SortKey;

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);
constexpr CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 2);
constexpr LONG c_records = static_cast<LONG>(ce::objstore::savedindex::c_savedFrom) + 100;

class SavedIndex : public TempVolume {
protected:
    void SetUp() override {
        TempVolume::SetUp();
        m_database = createDb(u"big", {{c_value, 0}, {c_name, CEDB_SORT_CASEINSENSITIVE | CEDB_SORT_DESCENDING}});
        HANDLE handle = open(m_database);
        ce::objstore::beginBatch();
        // Values that put the records in another order than their creation.
        for (LONG i = 0; i < c_records; ++i) {
            LONG value = (i * 7919) % c_records;
            // Names in the values' order but for their case, some records without one.
            std::u16string name = std::u16string(i % 2 ? u"Name " : u"NAME ") + std::u16string(6 - std::to_string(value).size(), u'0');
            for (char digit : std::to_string(value)) name += static_cast<char16_t>(digit);
            std::vector<CEPROPVAL> values{number(c_value, value)};
            if (value % 100) values.push_back(text(c_name, name.c_str()));
            m_created.push_back(put(handle, values));
        }
        ASSERT_TRUE(ce::objstore::endBatch());
        CloseHandle(handle);
        m_byValue.resize(static_cast<size_t>(c_records));
        for (LONG i = 0; i < c_records; ++i) m_byValue[static_cast<size_t>((i * 7919) % c_records)] = m_created[static_cast<size_t>(i)];
    }

    // The records in value order, as a new process finds them.
    std::vector<CEOID> freshWalk(CEPROPID order = c_value) {
        ce::objstore::closeVolume();
        HANDLE handle = open(m_database, order);
        std::vector<CEOID> oids = walk(handle);
        CloseHandle(handle);
        return oids;
    }
    std::int64_t savedForTheCurrentCount() {
        return rawSql("SELECT count(*) FROM sort_indexes s JOIN databases d ON d.oid = s.database_oid "
                      "WHERE s.propid = " + std::to_string(c_value) + " AND s.change_count = d.change_count");
    }
    // Saves an index that puts the records in reverse creation order, as a sound one would.
    void saveReversed(DWORD flags = 0) {
        OrderIndex lie{KeyOrder({c_value, flags})};
        std::vector<SortKey> keys;
        for (size_t i = 0; i < m_created.size(); ++i)
            keys.push_back({m_created[i], true, {static_cast<std::uint64_t>(-static_cast<std::int64_t>(i)), {}}});
        lie.build(keys);
        std::string hex;
        char digits[3];
        for (BYTE byte : ce::objstore::savedindex::encode(lie)) std::snprintf(digits, sizeof digits, "%02X", byte), hex += digits;
        rawSql("UPDATE sort_indexes SET keys = X'" + hex + "' WHERE propid = " + std::to_string(c_value));
    }
    std::vector<CEOID> reversed() const { return {m_created.rbegin(), m_created.rend()}; }

    CEOID m_database = 0;
    std::vector<CEOID> m_created, m_byValue;
};

TEST_F(SavedIndex, AnIndexBuiltFromTheRecordsIsSavedAndASoundSavedOneIsUsedAsItIs) {
    EXPECT_EQ(freshWalk(), m_byValue);
    EXPECT_EQ(savedForTheCurrentCount(), 1);
    // A string order, descending, with records that lack the property: loaded, it walks the
    // same as built.
    std::vector<CEOID> byName = freshWalk(c_name);
    ASSERT_EQ(byName.size(), m_created.size());
    std::string savedRow = "SELECT rowid FROM sort_indexes WHERE propid = " + std::to_string(c_name);
    std::int64_t row = rawSql(savedRow);
    EXPECT_EQ(freshWalk(c_name), byName);
    EXPECT_EQ(rawSql(savedRow), row) << "the saved name order was not used: a rebuild saves it anew";
    ce::objstore::setSavedIndexesUsed(false);
    EXPECT_EQ(freshWalk(c_name), byName);
    ce::objstore::setSavedIndexesUsed(true);
    saveReversed();
    EXPECT_EQ(freshWalk(), reversed()) << "the saved index was not used";
}

TEST_F(SavedIndex, OneMissingStaleDamagedOrOutOfOrderIsRebuiltAndSavedAgain) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"missing", [&] { rawSql("DELETE FROM sort_indexes"); }},
        {"stale", [&] { rawSql("UPDATE databases SET change_count = change_count + 1"); }},
        {"one byte changed", [&] { rawSql("UPDATE sort_indexes SET keys = substr(keys, 1, 99) || X'FF' || substr(keys, 101)"); }},
        {"cut short", [&] { rawSql("UPDATE sort_indexes SET keys = substr(keys, 1, length(keys) - 12)"); }},
        {"keys out of order", [&] { saveReversed(CEDB_SORT_DESCENDING); }},
        {"a volume of the previous format", [&] { rawSql("DROP TABLE sort_indexes; PRAGMA user_version = 2"); }},
        {"keys saved in the earlier layout",
         [&] { rawSql("UPDATE sort_indexes SET keys = X'4F495831' || substr(keys, 5)"); }},
    };
    for (const auto& [what, damage] : cases) {
        SCOPED_TRACE(what);
        ASSERT_EQ(freshWalk(), m_byValue);
        saveReversed();
        damage();
        EXPECT_EQ(freshWalk(), m_byValue);
        EXPECT_EQ(savedForTheCurrentCount(), 1);
        EXPECT_EQ(rawSql("PRAGMA user_version"), 3);
    }
}

}  // namespace
}  // namespace objstore_test
