// Sort orders as handles walk them: direction, case folding, records without the property,
// ties, and how each property type compares.
#include <limits>

#include "TempVolume.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 1);
constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 2);
constexpr CEPROPID c_when = PROP_TAG(CEVT_FILETIME, 3);
constexpr CEPROPID c_flag = PROP_TAG(CEVT_BOOL, 4);
constexpr CEPROPID c_other = PROP_TAG(CEVT_I4, 9);

class SortOrder : public TempVolume {
protected:
    // Writes one record per value (nullptr: a record without the property) and returns the
    // values in the order a handle on `flags` walks them.
    std::vector<std::u16string> orderOf(std::vector<const char16_t*> values, DWORD flags) {
        CEOID oid = createDb(u"names", {{c_name, flags}});
        HANDLE writer = open(oid);
        for (const char16_t* value : values)
            put(writer, {value ? text(c_name, value) : number(c_other, 0)});
        CloseHandle(writer);
        HANDLE reader = open(oid, c_name);
        std::vector<std::u16string> result;
        for (CEOID record : walk(reader)) {
            CeSeekDatabase(reader, CEDB_SEEK_CEOID, record, nullptr);
            WORD count = 1;
            CEPROPID id = c_name;
            BYTE* buffer = nullptr;
            DWORD size = 0;
            CeReadRecordPropsEx(reader, CEDB_ALLOWREALLOC, &count, &id, &buffer, &size, nullptr);
            auto* value = reinterpret_cast<CEPROPVAL*>(buffer);
            result.push_back(value->wFlags & CEDB_PROPNOTFOUND ? u"-" : value->val.lpwstr);
            LocalFree(buffer);
        }
        CloseHandle(reader);
        return result;
    }
};

using Names = std::vector<std::u16string>;

TEST_F(SortOrder, StringsCompareByCodeUnitUnlessCaseInsensitive) {
    EXPECT_EQ(orderOf({u"b", u"B", u"a", u"\u00e9"}, 0), (Names{u"B", u"a", u"b", u"\u00e9"}));
}

// Strings are compared several units at a time: differences at each place in those steps,
// in either byte of a unit, and one string the start of another.
TEST_F(SortOrder, LongerStringsCompareByCodeUnitWhereverTheyDiffer) {
    Names expected{u"abcd",        u"abcde",   u"abcdeFgh", u"abcdefgh",     u"abcdefghij",
                   u"abcdefgi",    u"\u0100b", u"\u01ffzzz", u"\u0200aaa", u"\uffffa"};
    std::vector<const char16_t*> shuffled;
    for (size_t i = 0; i < expected.size(); ++i) shuffled.push_back(expected[(i * 7) % expected.size()].c_str());
    EXPECT_EQ(orderOf(shuffled, 0), expected);
}

TEST_F(SortOrder, CaseInsensitiveFoldsCaseAndKeepsCreationOrderForTies) {
    EXPECT_EQ(orderOf({u"b", u"B", u"a", u"A"}, CEDB_SORT_CASEINSENSITIVE), (Names{u"a", u"A", u"b", u"B"}));
}

TEST_F(SortOrder, MissingPropertyGoesLastWhateverTheDirection) {
    EXPECT_EQ(orderOf({nullptr, u"a", u"c", nullptr, u"b"}, CEDB_SORT_DESCENDING),
              (Names{u"c", u"b", u"a", u"-", u"-"}));
}

TEST_F(SortOrder, UnknownFirstPutsMissingPropertyFirstWhateverTheDirection) {
    EXPECT_EQ(orderOf({u"a", nullptr, u"c", u"b"}, CEDB_SORT_UNKNOWNFIRST | CEDB_SORT_DESCENDING),
              (Names{u"-", u"c", u"b", u"a"}));
}

TEST_F(SortOrder, DescendingTiesStillKeepCreationOrder) {
    CEOID oid = createDb(u"numbers", {{c_number, CEDB_SORT_DESCENDING}});
    HANDLE db = open(oid, c_number);
    CEOID first = put(db, {number(c_number, 5)});
    CEOID high = put(db, {number(c_number, 9)});
    CEOID second = put(db, {number(c_number, 5)});
    EXPECT_EQ(walk(db), (std::vector<CEOID>{high, first, second}));
    CloseHandle(db);
}

TEST_F(SortOrder, NumbersCompareWithSignFileTimesUnsignedAndFalseBeforeTrue) {
    CEOID oid = createDb(u"typed", {{c_number, 0}, {c_when, 0}, {c_flag, 0}});
    HANDLE db = open(oid);
    CEPROPVAL late{}, early{}, yes{}, no{};
    late.propid = early.propid = c_when;
    late.val.filetime = {0, 0x80000000u};  // negative if it were signed
    early.val.filetime = {5, 0};
    yes.propid = no.propid = c_flag;
    yes.val.boolVal = 7;
    CEOID a = put(db, {number(c_number, -3), late, yes});
    CEOID b = put(db, {number(c_number, 2), early, no});
    CloseHandle(db);
    HANDLE byNumber = open(oid, c_number), byTime = open(oid, c_when), byFlag = open(oid, c_flag);
    EXPECT_EQ(walk(byNumber), (std::vector<CEOID>{a, b}));
    EXPECT_EQ(walk(byTime), (std::vector<CEOID>{b, a}));
    EXPECT_EQ(walk(byFlag), (std::vector<CEOID>{b, a}));
    for (HANDLE h : {byNumber, byTime, byFlag}) CloseHandle(h);
}

// A NaN compared equal to every number: no order held, a sort of them was undefined, and a
// handle could not find its record's place. It sorts after every number now.
TEST_F(SortOrder, NotANumberSortsAfterEveryNumberSoTheOrderHolds) {
    constexpr CEPROPID c_real = PROP_TAG(CEVT_R8, 5);
    CEOID oid = createDb(u"reals", {{c_real, 0}});
    HANDLE db = open(oid);
    auto real = [](double value) {
        CEPROPVAL v{};
        v.propid = c_real;
        v.val.dblVal = value;
        return v;
    };
    double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<CEOID> made;
    for (double value : {nan, 7.0, -1.0, nan, 3.0}) made.push_back(put(db, {real(value)}));
    CloseHandle(db);
    HANDLE byReal = open(oid, c_real);
    std::vector<CEOID> expected{made[2], made[4], made[1], made[0], made[3]};
    EXPECT_EQ(walk(byReal), expected);
    std::vector<CEOID> stepped{CeSeekDatabase(byReal, CEDB_SEEK_BEGINNING, 0, nullptr)};
    while (CEOID next = CeSeekDatabase(byReal, CEDB_SEEK_CURRENT, 1, nullptr)) stepped.push_back(next);
    EXPECT_EQ(stepped, expected);
    CloseHandle(byReal);
}

TEST_F(SortOrder, PropertyIdZeroWalksCreationOrderAndOtherIdsMustBeSortOrders) {
    CEOID oid = createDb(u"plain", {{c_number, CEDB_SORT_DESCENDING}});
    HANDLE db = open(oid, c_number);
    CEOID one = put(db, {number(c_number, 1)});
    CEOID two = put(db, {number(c_number, 2)});
    HANDLE created = open(oid, 0);
    EXPECT_EQ(walk(created), (std::vector<CEOID>{one, two}));
    EXPECT_EQ(open(oid, c_other), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(db);
    CloseHandle(created);
}

TEST_F(SortOrder, BlobCannotBeASortKey) {
    EXPECT_EQ(createDb(u"blobs", {{PROP_TAG(CEVT_BLOB, 1), 0}}), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace objstore_test
