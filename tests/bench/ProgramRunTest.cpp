// Timed program runs: the exit code, the environment the child gets, where its output goes, the
// time to a first line, and the marks and screen text a script prints.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "ProgramRun.h"
#include "ScreenDraws.h"
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

TEST(ProgramRun, FirstLineIsTimedAloneAndAProgramThatGoesOnWritingEnds) {
    std::string line;
    ProgramRun late = runToFirstLine({"/bin/sh", "-c", "printf 'first '; sleep 0.1; echo line; sleep 1; echo late"}, {},
                                     line);
    EXPECT_EQ(line, "first line");
    EXPECT_GE(late.seconds, 0.1);
    EXPECT_LT(late.seconds, 1.0) << "the time ends with the first line";
    ProgramRun endless = runToFirstLine({"/usr/bin/yes", "record"}, {}, line);
    EXPECT_EQ(line, "record");
    EXPECT_EQ(endless.exitCode, -1) << "ended by SIGPIPE";
    EXPECT_EQ(runToFirstLine({"/nonexistent/cedb"}, {}, line).exitCode, -1);
    EXPECT_EQ(line, "");
}

TEST(ProgramRun, MarksAndScreenTextAreReadFromTheSameOutput) {
    std::string output = "mark open 1500\n24, 6, 45, 14\tOrvane\nmark opened 2250\nmark bad x\nmark two words 7\n"
                         "5, 26, 151, 14\tContacts Database\n";
    std::vector<ScriptMark> marks = scriptMarks(output);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].label, "open");
    EXPECT_EQ(marks[1].microseconds - marks[0].microseconds, 750);
    std::vector<ScreenDraw> draws = screenDraws(output);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].text, u"Contacts Database");
    EXPECT_EQ(draws[1].rect.right, 156);
    EXPECT_EQ(draws[1].rect.bottom, 40);
}

TEST(ProgramRun, SiblingIsBesideThisProgram) {
    EXPECT_EQ(runProgram({siblingProgram("bench_tests"), "--gtest_list_tests", "--gtest_filter=ProgramRun.Sib*"}, {})
                  .exitCode,
              0);
}

}  // namespace
