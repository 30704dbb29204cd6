// create and rm: sort order specifications, and removing only what belongs to the database.
#include "CedbRun.h"

namespace cedb_test {
namespace {

using DatabaseCommands = CedbTest;

TEST_F(DatabaseCommands, CreateKeepsTypeAndEverySortFlag) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    Outcome created = cedb({"create", "Flags", "--type", "26", "--sort", "0x0001001f:desc:nocase:unknownfirst",
                            "--sort", "0x00020040"});
    ASSERT_EQ(created.code, 0) << created.err;
    EXPECT_EQ(cedb({"export"}).out,
              "{\"databases\": [\n  {\"name\": \"Flags\", \"type\": 26, \"sortOrders\": [{\"prop\": \"0x0001001f\", "
              "\"descending\": true, \"caseInsensitive\": true, \"unknownFirst\": true}, {\"prop\": \"0x00020040\", "
              "\"descending\": false, \"caseInsensitive\": false, \"unknownFirst\": false}], \"records\": []}\n]}\n");
}

TEST_F(DatabaseCommands, CreateRefusesWhatTheStoreWouldRefuse) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "Taken"}).code, 0);
    EXPECT_EQ(cedb({"create", "TAKEN"}).code, 2);
    EXPECT_EQ(cedb({"create", std::string(32, 'x')}).code, 2);
    EXPECT_EQ(cedb({"create", "Blob", "--sort", "0x00010041"}).code, 2);
    EXPECT_EQ(cedb({"create", "Five", "--sort", "1", "--sort", "2", "--sort", "3", "--sort", "4", "--sort", "5"}).code,
              2);
    EXPECT_EQ(cedb({"create", "Typo", "--sort", "0x0001001f:descending"}).code, 1);
    std::string list = cedb({"list"}).out;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 1) << list;
}

TEST_F(DatabaseCommands, RmDeletesListedRecordsOnlyWhenAllBelongToTheDatabase) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "A"}).code, 0);
    ASSERT_EQ(cedb({"create", "B"}).code, 0);
    std::string a1 = cedb({"put", "A", "0x00010003=1"}).out;
    std::string a2 = cedb({"put", "A", "0x00010003=2"}).out;
    std::string b1 = cedb({"put", "B", "0x00010003=3"}).out;
    a1.pop_back(), a2.pop_back(), b1.pop_back();

    EXPECT_EQ(cedb({"rm", "A", a1, b1}).code, 2);
    EXPECT_EQ(cedb({"rm", "A", a1, "0x7ffffff0"}).code, 2);
    EXPECT_NE(cedb({"show", "A"}).out.find(a1), std::string::npos);
    EXPECT_EQ(cedb({"rm", "A", a1}).code, 0);
    EXPECT_EQ(cedb({"show", "A"}).out, "record " + a2 + "\n  0x00010003 I4 2\n");

    EXPECT_EQ(cedb({"rm", "b"}).code, 0);
    EXPECT_EQ(cedb({"rm", "B"}).code, 2);
    EXPECT_EQ(cedb({"list"}).out.find("\tB\t"), std::string::npos);
}

TEST_F(DatabaseCommands, RmOfARecordNamedTwiceDeletesItOnceAndSucceeds) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "A"}).code, 0);
    std::string a1 = cedb({"put", "A", "0x00010003=1"}).out;
    std::string a2 = cedb({"put", "A", "0x00010003=2"}).out;
    std::string a3 = cedb({"put", "A", "0x00010003=3"}).out;
    a1.pop_back(), a2.pop_back(), a3.pop_back();

    Outcome removed = cedb({"rm", "A", a1, a2, a1});
    EXPECT_EQ(removed.code, 0) << removed.err;
    EXPECT_EQ(removed.err, "");
    EXPECT_EQ(cedb({"show", "A"}).out, "record " + a3 + "\n  0x00010003 I4 3\n");
}

}  // namespace
}  // namespace cedb_test
