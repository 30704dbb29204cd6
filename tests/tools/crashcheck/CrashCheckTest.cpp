// crashcheck's judgement: what a writer told against volumes found after a kill, and the order
// it expects a sort order to walk in.
#include <gtest/gtest.h>

#include "Journal.h"
#include "OrderCheck.h"
#include "VolumeCheck.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"
#include "winbase.h"

namespace {

using crashcheck::Bytes;
using crashcheck::Journal;
using crashcheck::VolumeImage;

constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 1), c_text = PROP_TAG(CEVT_LPWSTR, 1);

Bytes number(LONG value) {
    Bytes bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

Bytes text(std::u16string value) {
    Bytes bytes((value.size() + 1) * 2, 0);
    std::memcpy(bytes.data(), value.data(), value.size() * 2);
    return bytes;
}

// A volume with database 1 holding records 2 (5) and 3 (7).
VolumeImage start() {
    VolumeImage image;
    image.databases[1].shape = {"Db", 0, {{c_number, 0}}};
    image.databases[1].records[2] = {{c_number, number(5)}};
    image.databases[1].records[3] = {{c_number, number(7)}};
    return image;
}

// The writer's lines carry every kind of change whole, empty values and lists included.
TEST(CrashCheckChange, EveryKindSurvivesItsLine) {
    using Kind = crashcheck::Change::Kind;
    crashcheck::Change put{Kind::WriteRecord, 1, 0xFFFFFFFF, {{c_number, number(-1)}, {c_text, text(u"")}}, {}};
    put.properties[PROP_TAG(CEVT_BLOB, 2)] = Bytes();
    crashcheck::Change created{Kind::CreateDatabase, 9, 0, {}, {"DbaB", 0xFFFFFFFF, {}}};
    for (DWORD flags = 1; flags <= 4; ++flags) created.shape.sortOrders.push_back({PROP_TAG(CEVT_UI2, flags), flags});
    crashcheck::Change empty{Kind::WriteRecord, 1, 3, {}, {}};
    for (const crashcheck::Change& change :
         {put, created, empty, crashcheck::Change{Kind::DeleteRecord, 1, 3, {}, {}},
          crashcheck::Change{Kind::DeleteDatabase, 9, 0, {}, {}}}) {
        auto parsed = crashcheck::parseChange(crashcheck::format(change));
        ASSERT_TRUE(parsed) << crashcheck::format(change);
        EXPECT_EQ(parsed->kind, change.kind);
        EXPECT_EQ(parsed->database, change.database);
        EXPECT_EQ(parsed->record, change.record);
        EXPECT_EQ(parsed->properties, change.properties);
        EXPECT_TRUE(parsed->shape == change.shape) << crashcheck::format(change);
    }
    EXPECT_FALSE(crashcheck::parseChange("put 1 2 10003=0g"));
    EXPECT_FALSE(crashcheck::parseChange("mkdb 1 2 Db 10003"));
}

TEST(CrashCheckJournal, ReportedChangesMustBeThereAndTheUnfinishedOneWhollyOrNotAtAll) {
    Journal journal(start());
    ASSERT_TRUE(journal.feed("done put 1 2 10003=09000000"));
    ASSERT_TRUE(journal.feed("done del 1 3"));
    ASSERT_TRUE(journal.feed("intent put 1 0 10003=0b000000"));
    VolumeImage found = start();
    EXPECT_EQ(journal.settle(found).lost.size(), 2u);  // the rewrite and the delete lost

    found.databases[1].records[2] = {{c_number, number(9)}};
    found.databases[1].records.erase(3);
    journal = Journal(start());
    for (const char* line : {"done put 1 2 10003=09000000", "done del 1 3", "intent put 1 0 10003=0b000000"})
        ASSERT_TRUE(journal.feed(line));
    VolumeImage finished = found;
    finished.databases[1].records[4] = {{c_number, number(11)}};
    auto verdict = journal.settle(finished);
    EXPECT_TRUE(verdict.lost.empty());
    EXPECT_EQ(verdict.pending, "the unfinished change wholly there");

    // Half there: the new record with other properties than announced.
    ASSERT_TRUE(journal.feed("intent put 1 0 10003=0c000000"));
    VolumeImage half = finished;
    half.databases[1].records[5] = {{c_number, number(99)}};
    EXPECT_FALSE(journal.settle(half).lost.empty());
}

TEST(CrashCheckJournal, ABatchCountsOnlyWholeAndOnlyOnceAskedToCommit) {
    const char* batch[] = {"batch", "sub put 1 4 10003=01000000", "sub del 1 2"};
    VolumeImage whole = start();
    whole.databases[1].records[4] = {{c_number, number(1)}};
    whole.databases[1].records.erase(2);
    VolumeImage half = start();
    half.databases[1].records[4] = {{c_number, number(1)}};

    Journal journal(start());
    for (const char* line : batch) ASSERT_TRUE(journal.feed(line));
    EXPECT_FALSE(journal.settle(whole).lost.empty());  // there without ever committing

    journal = Journal(start());
    for (const char* line : batch) ASSERT_TRUE(journal.feed(line));
    ASSERT_TRUE(journal.feed("closing"));
    EXPECT_FALSE(journal.settle(half).lost.empty());
    journal = Journal(start());
    for (const char* line : batch) ASSERT_TRUE(journal.feed(line));
    ASSERT_TRUE(journal.feed("closing"));
    EXPECT_TRUE(journal.settle(whole).lost.empty());
    EXPECT_TRUE(journal.settle(whole).lost.empty());  // taken as the new start

    EXPECT_FALSE(journal.feed("done del 7 8"));  // a database never seen
    EXPECT_FALSE(journal.feed("done put 1 2 10003=01000000"));  // deleted record 2's OID given again
    EXPECT_FALSE(journal.feed("put 1"));
}

TEST(CrashCheckOrder, NumbersStringsDirectionUnknownsAndTies) {
    crashcheck::DatabaseImage database;
    database.records[10] = {{c_number, number(-3)}, {c_text, text(u"b")}};
    database.records[11] = {{c_text, text(u"B")}};
    database.records[12] = {{c_number, number(2)}, {c_text, text(u"\uffe0")}};
    database.records[13] = {{c_number, number(-3)}, {c_text, text(u"\U0001F600")}};
    database.records[14] = {};
    using Order = std::vector<CEOID>;
    EXPECT_EQ(crashcheck::expectedOrder(database, {c_number, 0}), (Order{10, 13, 12, 11, 14}));
    EXPECT_EQ(crashcheck::expectedOrder(database, {c_number, CEDB_SORT_DESCENDING | CEDB_SORT_UNKNOWNFIRST}),
              (Order{11, 14, 12, 10, 13}));
    // By UTF-16 unit: "B" < "b" < the surrogates < U+FFE0; folded, "B" and "b" tie by OID.
    EXPECT_EQ(crashcheck::expectedOrder(database, {c_text, 0}), (Order{11, 10, 13, 12, 14}));
    EXPECT_EQ(crashcheck::expectedOrder(database, {c_text, CEDB_SORT_CASEINSENSITIVE}), (Order{10, 11, 13, 12, 14}));
}

// The image the checks compare is what the store holds: every type written from stored bytes
// reads back as the same bytes, with the information's count and size.
TEST(CrashCheckImage, EveryTypeReadsBackAsWritten) {
    test_support::ScratchFolder scratch("crashcheck-test");
    ce::objstore::setVolumePath(scratch.file("image.vol"));
    SORTORDERSPEC byText{c_text, CEDB_SORT_CASEINSENSITIVE};
    CEOID database = CeCreateDatabase(u"Image", 7, 1, &byText);
    ASSERT_NE(database, 0u);
    crashcheck::Properties written;
    for (WORD type : {CEVT_I2, CEVT_I4, CEVT_R8, CEVT_BOOL, CEVT_UI2, CEVT_UI4, CEVT_FILETIME}) {
        Bytes bytes(type == CEVT_I2 || type == CEVT_UI2 ? 2 : type == CEVT_R8 || type == CEVT_FILETIME ? 8 : 4);
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0x81 + i * type);
        written[PROP_TAG(type, 1)] = bytes;
    }
    written[c_text] = text(u"a\U0001F600\uffe0");
    written[PROP_TAG(CEVT_BLOB, 1)] = Bytes(40000, 0xA5);
    written[PROP_TAG(CEVT_BLOB, 2)] = Bytes();
    std::vector<CEPROPVAL> values;
    for (auto& [propid, bytes] : written) values.push_back(crashcheck::propValOf(propid, bytes));
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    CEOID record = CeWriteRecordProps(handle, 0, static_cast<WORD>(values.size()), values.data());
    CEOID emptied = CeWriteRecordProps(handle, 0, 1, values.data());  // then its one property deleted
    CEPROPVAL removal{values.front().propid, 0, CEDB_PROPDELETE, {}};
    ASSERT_TRUE(record && emptied && CeWriteRecordProps(handle, emptied, 1, &removal));
    CloseHandle(handle);

    std::string problem;
    auto image = crashcheck::readVolume(problem);
    auto problems = image ? crashcheck::consistencyProblems(*image) : std::vector<std::string>{};
    ce::objstore::setVolumePath("");
    ASSERT_TRUE(image) << problem;
    const crashcheck::DatabaseImage& found = image->databases.at(database);
    EXPECT_EQ(found.shape.name, "Image");
    EXPECT_EQ(found.records.at(record), written);
    EXPECT_TRUE(found.records.at(emptied).empty());
    EXPECT_EQ(found.reportedCount, 2u);
    EXPECT_EQ(found.reportedSize, crashcheck::recordSize(written) + crashcheck::recordSize({}));
    EXPECT_TRUE(problems.empty()) << problems.front();
}

}  // namespace
