// init and list: creating volumes, refusing foreign or damaged files, the list format.
#include <regex>

#include "CedbRun.h"

namespace cedb_test {
namespace {

using VolumeCommands = CedbTest;

TEST_F(VolumeCommands, InitRefusesAnExistingFileUnlessForced) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "Keep"}).code, 0);
    Outcome refused = cedb({"init", "--sample"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos);
    EXPECT_NE(cedb({"list"}).out.find("\tKeep\t"), std::string::npos);

    ASSERT_EQ(cedb({"init", "--force"}).code, 0);
    EXPECT_EQ(cedb({"list"}).out, "");
}

TEST_F(VolumeCommands, ForcedInitReplacesAForeignFile) {
    write("test.vol", "not a volume");
    EXPECT_EQ(cedb({"init", "--force"}).code, 0);
    EXPECT_EQ(cedb({"list"}).code, 0);
}

TEST_F(VolumeCommands, ReadingAMissingNamedVolumeIsRefusedAndCreatesNoFile) {
    for (auto args : std::vector<std::vector<std::string>>{{"list"}, {"show", "X"}, {"export"}, {"rm", "X"}}) {
        Outcome outcome = cedb(args, "typo.vol");
        EXPECT_EQ(outcome.code, 2) << args[0];
        EXPECT_NE(outcome.err.find("no volume at"), std::string::npos) << outcome.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("typo.vol")));
}

TEST_F(VolumeCommands, ANamedVolumeInAMissingFolderIsRefusedAndNoFolderIsMade) {
    Outcome outcome = cedb({"init"}, "no/such/x.vol");
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.err, "cedb: " + file("no/such/x.vol") + ": there is no folder " + file("no/such") +
                               " (only the default volume's folder is created)\n");
    EXPECT_FALSE(std::filesystem::exists(file("no")));
}

TEST_F(VolumeCommands, TheDefaultVolumeNeedsAHomeAndInitMakesItsFolders) {
    EnvironmentChange store("CE_STORE", nullptr);
    EnvironmentChange data("XDG_DATA_HOME", nullptr);
    {
        EnvironmentChange home("HOME", nullptr);
        Outcome outcome = cedbAsGiven({"init"});
        EXPECT_EQ(outcome.code, 2);
        EXPECT_NE(outcome.err.find("HOME is not set"), std::string::npos) << outcome.err;
    }
    EnvironmentChange home("HOME", file("fresh-home").c_str());
    Outcome outcome = cedbAsGiven({"init"});
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_TRUE(std::filesystem::exists(file("fresh-home/.local/share/orvane/objectstore.vol")));
}

TEST_F(VolumeCommands, ForeignFileIsRefusedInOneLineAndLeftUnchanged) {
    const std::string content = "name,phone\nAnna,555-0142\n";
    write("test.vol", content);
    for (auto args : std::vector<std::vector<std::string>>{{"list"}, {"create", "X"}, {"import", "-"}}) {
        Outcome outcome = cedb(args);
        EXPECT_EQ(outcome.code, 2) << args[0];
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
    EXPECT_EQ(read("test.vol"), content);
}

TEST_F(VolumeCommands, DamagedVolumeIsRefusedInOneLineAndLeftUnchanged) {
    ASSERT_EQ(cedb({"init", "--sample"}).code, 0);
    std::string damaged = read("test.vol");
    ASSERT_GT(damaged.size(), 3 * 4096u);
    std::fill(damaged.begin() + 2 * 4096, damaged.begin() + 3 * 4096, '\xa5');
    write("test.vol", damaged);
    Outcome outcome = cedb({"list"});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_EQ(read("test.vol"), damaged);
}

TEST_F(VolumeCommands, ListPrintsOneTabSeparatedLinePerDatabase) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "Phone Book", "--type", "0x18", "--sort", "0x0001001f", "--sort", "0x00020003"}).code, 0);
    ASSERT_EQ(cedb({"put", "Phone Book", "0x0001001f=Anna", "0x00020003=7"}).code, 0);
    ASSERT_EQ(cedb({"create", "Empty"}).code, 0);
    std::string out = cedb({"list"}).out;
    // Size: 20 per record, 4 per property, "Anna" as UTF-16 with terminator (10) and an I4 (4).
    std::regex expected(
        "0x[0-9a-f]{8}\tPhone Book\t0x18\t2\t1\t42\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\n"
        "0x[0-9a-f]{8}\tEmpty\t0x0\t0\t0\t0\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\n");
    EXPECT_TRUE(std::regex_match(out, expected)) << out;
}

TEST_F(VolumeCommands, ListEscapesNamesSoThatEachLineHasItsSevenFields) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "tab\there"}).code, 0);
    ASSERT_EQ(cedb({"create", "line\nfeed\\n"}).code, 0);
    std::string out = cedb({"list"}).out;
    EXPECT_NE(out.find("\ttab\\there\t"), std::string::npos) << out;
    EXPECT_NE(out.find("\tline\\nfeed\\\\n\t"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\t'), 12) << out;
}

}  // namespace
}  // namespace cedb_test
