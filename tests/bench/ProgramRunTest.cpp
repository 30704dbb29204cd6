// Timed program runs: the exit code, the environment the child gets, where its output goes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "ProgramRun.h"
#include "support/ScratchFolder.h"

namespace {

TEST(ProgramRun, ChildSeesTheChangedEnvironmentAndItsExitCodeComesBack) {
    setenv("ORVANE_RUN_GONE", "1", 1);
    ProgramRun run = runProgram({"/bin/sh", "-c", "test \"$ORVANE_RUN_SET\" = yes && test -z \"$ORVANE_RUN_GONE\" "
                                                  "&& test -n \"$PATH\" && exit 7"},
                                {{"ORVANE_RUN_SET", "yes"}, {"ORVANE_RUN_GONE", ""}});
    unsetenv("ORVANE_RUN_GONE");
    EXPECT_EQ(run.exitCode, 7);
}

TEST(ProgramRun, BothOutputsGoToTheFileAndTheTimeCoversTheWholeRun) {
    test_support::ScratchFolder folder("orvane-run-test");
    std::string output = folder.file("out.txt");
    ProgramRun run = runProgram({"/bin/sh", "-c", "echo out; sleep 0.2; echo err >&2"}, {}, output);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_GE(run.seconds, 0.2);
    EXPECT_LT(run.seconds, 10.0);
    EXPECT_LT(run.cpuSeconds, 0.2) << "sleeping is not CPU time";
    ProgramRun busy = runProgram({"/bin/sh", "-c", "i=0; while [ $i -lt 200000 ]; do i=$((i+1)); done"}, {});
    EXPECT_GT(busy.cpuSeconds, 0.0);
    std::ifstream in(output);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "out\nerr\n");
}

TEST(ProgramRun, MissingProgramOrSignalGivesNoExitCode) {
    EXPECT_EQ(runProgram({"/nonexistent/orvane"}, {}).exitCode, -1);
    EXPECT_EQ(runProgram({"/bin/sh", "-c", "kill -9 $$"}, {}).exitCode, -1);
    EXPECT_EQ(runProgram({}, {}).exitCode, -1);
}

TEST(ProgramRun, SiblingIsBesideThisProgram) {
    EXPECT_EQ(runProgram({siblingProgram("bench_tests"), "--gtest_list_tests", "--gtest_filter=ProgramRun.Sib*"}, {})
                  .exitCode,
              0);
}

}  // namespace
