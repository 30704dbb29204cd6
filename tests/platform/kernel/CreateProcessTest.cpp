// CreateProcessW: the handheld's command-line splitting, programs run without a shell,
// peghelp.exe mapped to the help viewer, programs looked up in PATH, and clean failures.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cewchar.h"
#include "kernel/CommandLine.h"
#include "kernel/ProgramLocator.h"
#include "support/ScratchFolder.h"
#include "winbase.h"

namespace {

using ce::kernel::splitCommandLine;
using Args = std::vector<std::u16string>;

TEST(CommandLine, QuotesGroupAndBackslashesEscapeOnlyBeforeQuotes) {
    EXPECT_EQ(splitCommandLine(u"  a  b\tc "), (Args{u"a", u"b", u"c"}));
    EXPECT_EQ(splitCommandLine(u"\"a b\" c\"d e\"f"), (Args{u"a b", u"cd ef"}));
    EXPECT_EQ(splitCommandLine(u"a\\\\b \\\"x \\\\\"y z\""), (Args{u"a\\\\b", u"\"x", u"\\y z"}));
    EXPECT_EQ(splitCommandLine(u"\\\\\\\"q"), (Args{u"\\\"q"}));
    EXPECT_EQ(splitCommandLine(u"\"\" x"), (Args{u"", u"x"}));
    EXPECT_TRUE(splitCommandLine(u"   ").empty());
}

class CreateProcess : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("CE_PEGHELP"); }

    // Runs the command line and returns the exit code, or -1 when it did not start.
    long run(const WCHAR* application, std::u16string line) {
        STARTUPINFOW startup{};
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(application, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info))
            return -1;
        EXPECT_NE(info.dwProcessId, 0u);
        EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
        DWORD code = STILL_ACTIVE;
        EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
        EXPECT_TRUE(CloseHandle(info.hProcess));
        EXPECT_TRUE(CloseHandle(info.hThread));
        return code;
    }
    std::string file(const std::string& name) const { return m_scratch.file(name); }
    std::u16string wide(const std::string& text) const { return ce::fromUtf8(text); }

    test_support::ScratchFolder m_scratch{"kernel-process"};
};

TEST_F(CreateProcess, AMissingProgramFailsWithFileNotFound) {
    SetLastError(0);
    EXPECT_EQ(run(nullptr, u"no-such-program-here.exe arg"), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(run(u"/nonexistent/tool", u"tool"), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(CreateProcess, ArgumentsReachTheProgramLiterallyWithoutAShell) {
    // A shell would run the second touch; without one ";" and "touch" are file names.
    std::u16string line = u"env -C " + wide(m_scratch.path()) + u" touch \"a \\\"b\\\"\" ; touch x";
    EXPECT_EQ(run(nullptr, line), 0);
    EXPECT_TRUE(std::filesystem::exists(file("a \"b\"")));
    EXPECT_TRUE(std::filesystem::exists(file(";")));
    EXPECT_EQ(run(u"/bin/sh", u"-c \"exit 7\""), 7);  // the exit code comes back
}

TEST_F(CreateProcess, PegHelpInAnyCaseMapsToTheHelpViewerNamedByCePeghelp) {
    std::string viewer = file("viewer");
    std::ofstream(viewer) << "#!/bin/sh\nprintf '%s|' \"$@\" > " << file("args") << "\n";
    chmod(viewer.c_str(), 0700);
    setenv("CE_PEGHELP", viewer.c_str(), 1);
    EXPECT_EQ(run(nullptr, u"\\Windows\\PegHelp.EXE orvane.htm#main_contents"), 0);
    std::stringstream args;
    args << std::ifstream(file("args")).rdbuf();
    EXPECT_EQ(args.str(), "orvane.htm#main_contents|");
    // Named as the program, its command line is nothing but the arguments.
    EXPECT_EQ(run(u"peghelp.exe", u"orvane.htm#prop_list"), 0);
    std::stringstream named;
    named << std::ifstream(file("args")).rdbuf();
    EXPECT_EQ(named.str(), "orvane.htm#prop_list|");
}

// A program lying in the current folder is found only through an absolute PATH entry: an
// empty entry or a relative one does not make the current folder a place to look.
TEST_F(CreateProcess, OnlyAbsolutePathEntriesAreSearched) {
    std::filesystem::create_directory(file("bin"));
    for (const char* name : {"orvane-located", "bin/orvane-located"}) {
        std::ofstream(file(name)) << "#!/bin/sh\n";
        chmod(file(name).c_str(), 0700);
    }
    std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    std::filesystem::path savedFolder = std::filesystem::current_path();
    std::filesystem::current_path(m_scratch.path());
    std::vector<std::string> found;
    for (const char* path : {"", ":/nonexistent", "/nonexistent::/bin", ".", "bin", "./bin:/nonexistent"}) {
        setenv("PATH", path, 1);
        found.push_back(ce::kernel::locateProgram("orvane-located.exe"));
    }
    setenv("PATH", (file("bin") + ":/bin").c_str(), 1);
    std::string absolute = ce::kernel::locateProgram("orvane-located.exe");
    setenv("PATH", savedPath.c_str(), 1);
    std::filesystem::current_path(savedFolder);
    EXPECT_EQ(found, std::vector<std::string>(6, ""));
    EXPECT_EQ(absolute, file("bin") + "/orvane-located");
}

}  // namespace
