// Runs a program of the build as a user starts it, in a process of its own, and times it from
// the spawn to its exit (or to its first line of output): what the start-up benchmark
// measures. Reads the marks a script's `mark` commands print.
#pragma once

#include <map>
#include <string>
#include <vector>

struct ProgramRun {
    int exitCode = -1;  // -1 when it could not be started or was ended by a signal
    double seconds = 0;  // wall time from the spawn until it had exited
    double cpuSeconds = 0;  // the program's own user and system time, less touched by a busy machine
};

// A program beside the running executable (the build puts every program in one folder).
std::string siblingProgram(const std::string& name);

// Runs `argv` (argv[0] a path) with this process's environment changed by `changes`
// (an empty value removes the variable). Standard output and error go to `outputPath`,
// /dev/null by default, so that writing to a terminal is not part of the time.
ProgramRun runProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& changes,
                      const std::string& outputPath = "/dev/null");

// Runs `argv` as runProgram does, its standard output into a pipe (standard error to
// /dev/null), and times it from the spawn to its first complete line, which goes into
// `firstLine` (without its newline). The pipe is then closed, as `| head -n 1` does, and the
// program waited for: a program still writing ends by SIGPIPE, so exitCode says little.
ProgramRun runToFirstLine(const std::vector<std::string>& argv, const std::map<std::string, std::string>& changes,
                          std::string& firstLine);

// The lines "mark LABEL MICROSECONDS" in a program's output, in their order; other lines are
// skipped.
struct ScriptMark {
    std::string label;
    long long microseconds = 0;
};
std::vector<ScriptMark> scriptMarks(const std::string& output);
