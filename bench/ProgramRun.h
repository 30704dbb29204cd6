// Runs a program of the build as a user starts it, in a process of its own, and times it from
// the spawn to its exit: what the start-up benchmark measures.
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
