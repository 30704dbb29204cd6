// The command line itself: usage, help and exit codes, in-process and as the built program.
#include <sys/wait.h>

#include "CedbRun.h"

namespace cedb_test {
namespace {

using CommandLine = CedbTest;

TEST_F(CommandLine, HelpPrintsUsageAndSucceeds) {
    for (const char* help : {"help", "--help"}) {
        std::ostringstream out, err;
        EXPECT_EQ(cedb::run({help}, out, err), 0);
        EXPECT_EQ(out.str().rfind("usage: cedb [--store PATH] COMMAND", 0), 0u);
    }
}

TEST_F(CommandLine, UsageErrorsExitWithOne) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    for (auto args : std::vector<std::vector<std::string>>{
             {"frobnicate"}, {"list", "extra"}, {"init", "--fast"}, {"show"}, {"show", "X", "--sort"},
             {"import"}, {"rm"}, {"create", "A", "B"}, {"rm", "X", "0xnope"}}) {
        Outcome outcome = cedb(args);
        EXPECT_EQ(outcome.code, 1) << args[0];
        EXPECT_NE(outcome.err.find("cedb help"), std::string::npos);
    }
}

// An empty store would otherwise mean the default volume, the user's own data.
TEST_F(CommandLine, AnEmptyStoreIsAUsageErrorAndTouchesNoVolume) {
    EnvironmentChange data("XDG_DATA_HOME", file("data").c_str());
    EnvironmentChange store("CE_STORE", nullptr);
    Outcome emptyOption = cedbAsGiven({"--store", "", "init"});
    EXPECT_EQ(emptyOption.code, 1);
    EXPECT_NE(emptyOption.err.find("--store is given an empty path"), std::string::npos) << emptyOption.err;

    EnvironmentChange emptyStore("CE_STORE", "");
    for (const char* command : {"init", "list"}) {
        Outcome emptyVariable = cedbAsGiven({command});
        EXPECT_EQ(emptyVariable.code, 1) << command;
        EXPECT_NE(emptyVariable.err.find("CE_STORE is set but empty"), std::string::npos) << emptyVariable.err;
    }
    ce::objstore::setVolumePath("");
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_NE(ce::objstore::lastVolumeError().find("CE_STORE is set but empty"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("data")));
}

int runProgram(const std::string& arguments) {
    int status = std::system((std::string(CEDB_PROGRAM) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CommandLine, TheProgramExitsWithTheCommandsCode) {
    EXPECT_EQ(runProgram("--help"), 0);
    EXPECT_EQ(runProgram(""), 1);
    write("foreign.vol", "plain text");
    EXPECT_EQ(runProgram("--store " + file("foreign.vol") + " list"), 2);
    EXPECT_EQ(runProgram("--store " + file("new.vol") + " init"), 0);
    EXPECT_EQ(runProgram("--store " + file("new.vol") + " list"), 0);
}

}  // namespace
}  // namespace cedb_test
