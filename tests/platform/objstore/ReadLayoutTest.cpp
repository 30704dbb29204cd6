// The size a read asks for against the block it then writes: every string and BLOB starts on
// an 8-byte boundary, so odd lengths must be paid for in the size, or the read runs past it.
#include <cstring>
#include <string>

#include "TempVolume.h"

namespace objstore_test {
namespace {

constexpr BYTE c_guard = 0xA5;
constexpr size_t c_guardBytes = 64;

class ReadLayout : public TempVolume {
protected:
    void SetUp() override {
        TempVolume::SetUp();
        m_db = open(createDb(u"layout"));
    }
    void TearDown() override {
        CloseHandle(m_db);
        TempVolume::TearDown();
    }
    // Reads the record at `oid` as a caller does: asks the size with no buffer, then reads
    // into exactly that many bytes, followed by guard bytes that must stay as they were.
    const CEPROPVAL* readBack(CEOID oid, WORD* count) {
        CeSeekDatabase(m_db, CEDB_SEEK_CEOID, oid, nullptr);
        BYTE* none = nullptr;
        DWORD size = 0;
        EXPECT_EQ(CeReadRecordPropsEx(m_db, 0, count, nullptr, &none, &size, nullptr), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        m_size = size;
        m_block.assign(size + c_guardBytes, c_guard);
        BYTE* buffer = m_block.data();
        EXPECT_EQ(CeReadRecordPropsEx(m_db, 0, count, nullptr, &buffer, &size, nullptr), oid);
        EXPECT_EQ(size, m_size);
        for (size_t i = m_size; i < m_block.size(); ++i)
            if (m_block[i] != c_guard) {
                ADD_FAILURE() << "the read wrote byte " << i << " of a block of " << m_size;
                break;
            }
        return reinterpret_cast<const CEPROPVAL*>(m_block.data());
    }
    // Checks that `bytes` at `data` lie in the asked size, after the values, on an 8-byte
    // boundary and after every block placed before them.
    void expectPlaced(const void* data, size_t bytes, WORD count, const BYTE** end) {
        const auto* at = static_cast<const BYTE*>(data);
        const BYTE* start = m_block.data();
        EXPECT_GE(at, start + count * sizeof(CEPROPVAL));
        EXPECT_GE(at, *end);
        EXPECT_EQ((at - start) % 8, 0);
        EXPECT_LE(at + bytes, start + m_size);
        *end = at + bytes;
    }

    HANDLE m_db = nullptr;
    std::vector<BYTE> m_block;
    DWORD m_size = 0;
};

CEPROPVAL blob(CEPROPID propid, const BYTE* bytes, DWORD count) {
    CEPROPVAL v{};
    v.propid = propid;
    v.val.blob = {count, const_cast<BYTE*>(bytes)};
    return v;
}

TEST_F(ReadLayout, EveryTypeInOneRecordFitsTheSizeAskedAndReadsBack) {
    const BYTE bytes[] = {1, 2, 3, 4, 5, 6, 7};
    const std::u16string texts[] = {u"", u"a", u"abc", u"odd", u"seven!!"};
    std::vector<CEPROPVAL> values;
    auto scalar = [&values](CEPROPID propid, auto set) {
        CEPROPVAL v{};
        v.propid = propid;
        set(v.val);
        values.push_back(v);
    };
    scalar(PROP_TAG(CEVT_I2, 1), [](CEVALUNION& u) { u.iVal = -2; });
    scalar(PROP_TAG(CEVT_UI2, 2), [](CEVALUNION& u) { u.uiVal = 65535; });
    scalar(PROP_TAG(CEVT_I4, 3), [](CEVALUNION& u) { u.lVal = -40000; });
    scalar(PROP_TAG(CEVT_UI4, 4), [](CEVALUNION& u) { u.ulVal = 4000000000u; });
    scalar(PROP_TAG(CEVT_R8, 5), [](CEVALUNION& u) { u.dblVal = 2.5; });
    scalar(PROP_TAG(CEVT_BOOL, 6), [](CEVALUNION& u) { u.boolVal = TRUE; });
    scalar(PROP_TAG(CEVT_FILETIME, 7), [](CEVALUNION& u) { u.filetime = {0x89abcdef, 0x01d00000}; });
    // Strings and BLOBs of many lengths modulo 8, mixed so that most follow an odd one.
    for (WORD i = 0; i < 7; ++i) {
        values.push_back(blob(PROP_TAG(CEVT_BLOB, 10 + i), bytes, i + 1u));
        if (i < 5) values.push_back(text(PROP_TAG(CEVT_LPWSTR, 20 + i), texts[i].c_str()));
    }
    CEOID oid = put(m_db, values);
    ASSERT_NE(oid, 0u);

    WORD count = 0;
    const CEPROPVAL* read = readBack(oid, &count);
    ASSERT_EQ(static_cast<size_t>(count), values.size());
    // The blocks are laid out in the order of the values read.
    const BYTE* end = m_block.data();
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& found = read[i];
        const CEPROPVAL* written = nullptr;
        for (const CEPROPVAL& value : values)
            if (value.propid == found.propid) written = &value;
        ASSERT_NE(written, nullptr) << std::hex << found.propid;
        switch (TypeFromPropID(found.propid)) {
        case CEVT_LPWSTR: {
            size_t length = std::char_traits<char16_t>::length(written->val.lpwstr);
            expectPlaced(found.val.lpwstr, (length + 1) * sizeof(WCHAR), count, &end);
            EXPECT_EQ(std::u16string(found.val.lpwstr), std::u16string(written->val.lpwstr));
            break;
        }
        case CEVT_BLOB:
            ASSERT_EQ(found.val.blob.dwCount, written->val.blob.dwCount);
            expectPlaced(found.val.blob.lpb, found.val.blob.dwCount, count, &end);
            EXPECT_EQ(std::memcmp(found.val.blob.lpb, bytes, found.val.blob.dwCount), 0);
            break;
        case CEVT_R8:
            EXPECT_EQ(found.val.dblVal, written->val.dblVal);
            break;
        case CEVT_FILETIME:
            EXPECT_EQ(found.val.filetime.dwLowDateTime, written->val.filetime.dwLowDateTime);
            EXPECT_EQ(found.val.filetime.dwHighDateTime, written->val.filetime.dwHighDateTime);
            break;
        case CEVT_I2:
        case CEVT_UI2:
            EXPECT_EQ(found.val.uiVal, written->val.uiVal);
            break;
        default:
            EXPECT_EQ(found.val.ulVal, written->val.ulVal);
        }
    }
}

// Each BLOB length from 1 to 7 before a string: the string starts at the next boundary, and
// the size asked must reach its end.
TEST_F(ReadLayout, ABlobOfAnyShortLengthLeavesRoomForTheStringAfterIt) {
    const BYTE bytes[] = {9, 8, 7, 6, 5, 4, 3};
    for (DWORD length = 1; length <= 7; ++length) {
        CEOID oid = put(m_db, {blob(PROP_TAG(CEVT_BLOB, 1), bytes, length), text(PROP_TAG(CEVT_LPWSTR, 2), u"tail")});
        WORD count = 0;
        const CEPROPVAL* read = readBack(oid, &count);
        ASSERT_EQ(count, 2) << length;
        const CEPROPVAL& tail = read[0].propid == PROP_TAG(CEVT_LPWSTR, 2) ? read[0] : read[1];
        const BYTE* end = m_block.data();
        expectPlaced(tail.val.lpwstr, sizeof u"tail", count, &end);
        EXPECT_EQ(std::u16string(tail.val.lpwstr), u"tail") << length;
    }
}

}  // namespace
}  // namespace objstore_test
