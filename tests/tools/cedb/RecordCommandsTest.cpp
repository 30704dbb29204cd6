// show and put: the record listing format, sort orders, and values refused before writing.
#include "CedbRun.h"

namespace cedb_test {
namespace {

class RecordCommands : public CedbTest {
protected:
    void SetUp() override {
        CedbTest::SetUp();
        ASSERT_EQ(cedb({"init"}).code, 0);
        ASSERT_EQ(cedb({"create", "Calls", "--sort", "0x0001001f:nocase", "--sort", "0x00020003:desc"}).code, 0);
    }
    std::string put(std::vector<std::string> values) {
        values.insert(values.begin(), {"put", "Calls"});
        Outcome outcome = cedb(values);
        EXPECT_EQ(outcome.code, 0) << outcome.err;
        return outcome.out.substr(0, outcome.out.size() - 1);
    }
};

TEST_F(RecordCommands, ShowPrintsEachRecordWithItsTypedPropertiesInTheChosenOrder) {
    std::string bob = put({"0x0001001f=bob", "0x00020003=-1", "0x00030040=2026-01-05T10:30:00.25"});
    std::string amy = put({"0x0001001f=Amy", "0x00020003=5", "0x0004000b=true", "0x00050005=2.5"});
    std::string none = put({"0x00060041=00ff", "0x00070012=65535", "0x00080013=4294967295", "0x00090002=-7"});
    EXPECT_EQ(cedb({"show", "Calls", "--sort", "0x0001001f"}).out,
              "record " + amy + "\n  0x0001001f LPWSTR Amy\n  0x00020003 I4 5\n  0x0004000b BOOL true\n"
              "  0x00050005 R8 2.5\n"
              "record " + bob + "\n  0x0001001f LPWSTR bob\n  0x00020003 I4 -1\n"
              "  0x00030040 FILETIME 2026-01-05 10:30:00.25\n"
              "record " + none + "\n  0x00060041 BLOB 00ff\n  0x00070012 UI2 65535\n"
              "  0x00080013 UI4 4294967295\n  0x00090002 I2 -7\n");
    std::string descending = cedb({"show", "Calls", "--sort", "0x00020003"}).out;
    EXPECT_LT(descending.find(amy), descending.find(bob));
    std::string creation = cedb({"show", "Calls"}).out;
    EXPECT_LT(creation.find(bob), creation.find(amy));
}

TEST_F(RecordCommands, ShowRefusesAPropertyThatIsNotASortOrder) {
    Outcome outcome = cedb({"show", "Calls", "--sort", "0x0009001f"});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.err, "cedb: 0x0009001f is not a sort order of Calls\n");
}

TEST_F(RecordCommands, PutRefusesBadValuesWithoutWriting) {
    for (const char* bad : {"0x00010002=32768", "0x0001000b=yes", "0x00010040=2026-13-01T00:00:00",
                            "0x00010041=xyz", "0x00010099=1", "0x00010005=1e"}) {
        Outcome outcome = cedb({"put", "Calls", "0x0002001f=x", bad});
        EXPECT_EQ(outcome.code, 2) << bad;
        EXPECT_EQ(outcome.err.rfind(std::string("cedb: ") + bad, 0), 0u) << outcome.err;
    }
    EXPECT_EQ(cedb({"put", "Calls", "0x0001001f=a", "0x0001001f=b"}).code, 2);
    EXPECT_EQ(cedb({"put", "Calls", "not-an-assignment"}).code, 1);
    EXPECT_EQ(cedb({"put", "Nowhere", "0x0001001f=a"}).code, 2);
    EXPECT_EQ(cedb({"show", "Calls"}).out, "");
}

TEST_F(RecordCommands, ShowEscapesBackslashesSoThatTheyDifferFromLineBreaks) {
    std::string escaped = put({"0x0001001f=a\\nb"});
    std::string broken = put({"0x0001001f=a\nb"});
    EXPECT_EQ(cedb({"show", "Calls"}).out, "record " + escaped + "\n  0x0001001f LPWSTR a\\\\nb\n"
                                           "record " + broken + "\n  0x0001001f LPWSTR a\\nb\n");
}

TEST_F(RecordCommands, BoolsReadTrueAndFalseInAnyCaseAndOneAndZero) {
    put({"0x0001000b=TRUE", "0x0002000b=False", "0x0003000b=1", "0x0004000b=0"});
    EXPECT_NE(cedb({"show", "Calls"}).out.find("0x0001000b BOOL true\n  0x0002000b BOOL false\n"
                                               "  0x0003000b BOOL true\n  0x0004000b BOOL false\n"),
              std::string::npos);
    EXPECT_EQ(cedb({"put", "Calls", "0x0001000b=yes"}).err,
              "cedb: 0x0001000b=yes: yes is not a BOOL (true, false, 1 or 0; any case)\n");
}

TEST_F(RecordCommands, PutRefusalsSayWhatIsAccepted) {
    Outcome late = cedb({"put", "Calls", "0x00010040=10000-01-01T00:00:00"});
    EXPECT_EQ(late.code, 2);
    EXPECT_NE(late.err.find("for the years 1601 to 9999, or 100 ns ticks"), std::string::npos) << late.err;

    Outcome tooLong = cedb({"put", "Calls", "0x00020003=1", "0x0001001f=" + std::string(70000, 'x')});
    EXPECT_EQ(tooLong.code, 2);
    EXPECT_EQ(tooLong.err, "cedb: argument 0x0001001f=xxxxxxxxxx...: a string of 70000 characters, more than "
                           "the 32734 a property may hold\n");
}

}  // namespace
}  // namespace cedb_test
