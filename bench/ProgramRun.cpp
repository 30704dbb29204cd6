// Spawning and timing a program: posix_spawn, then wait4 for its exit and its CPU time, the wall
// time taken with the steady clock.
#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string_view>

extern char** environ;

namespace {

// "NAME=value" lines: this process's environment with the changes applied.
std::vector<std::string> changedEnvironment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> lines;
    for (char** entry = environ; *entry; ++entry) {
        std::string line = *entry;
        std::string name = line.substr(0, line.find('='));
        if (!changes.count(name)) lines.push_back(line);
    }
    for (const auto& [name, value] : changes)
        if (!value.empty()) lines.push_back(name + "=" + value);
    return lines;
}

std::vector<char*> pointers(std::vector<std::string>& words) {
    std::vector<char*> result;
    for (std::string& word : words) result.push_back(word.data());
    result.push_back(nullptr);
    return result;
}

// Spawns `argv` with the changed environment and the file actions given; 0 when it failed.
pid_t spawn(const std::vector<std::string>& argv, const std::map<std::string, std::string>& changes,
            posix_spawn_file_actions_t& actions) {
    std::vector<std::string> args = argv;
    std::vector<std::string> environment = changedEnvironment(changes);
    std::vector<char*> argPointers = pointers(args);
    std::vector<char*> environmentPointers = pointers(environment);
    pid_t child = 0;
    int failed = posix_spawn(&child, argPointers[0], &actions, nullptr, argPointers.data(), environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : child;
}

// Waits for the child's end; its CPU time and exit code go into `run`.
void waitFor(pid_t child, ProgramRun& run) {
    int status = 0;
    struct rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

std::string siblingProgram(const std::string& name) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / name).string();
}

ProgramRun runProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& changes,
                      const std::string& outputPath) {
    ProgramRun run;
    if (argv.empty()) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    auto start = std::chrono::steady_clock::now();
    pid_t child = spawn(argv, changes, actions);
    if (!child) return run;
    waitFor(child, run);
    run.seconds = secondsSince(start);
    return run;
}

ProgramRun runToFirstLine(const std::vector<std::string>& argv, const std::map<std::string, std::string>& changes,
                          std::string& firstLine) {
    ProgramRun run;
    firstLine.clear();
    int ends[2];
    if (argv.empty() || pipe2(ends, O_CLOEXEC) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t child = spawn(argv, changes, actions);
    close(ends[1]);
    if (child) {
        char buffer[4096];
        bool complete = false;
        while (!complete) {
            ssize_t got = read(ends[0], buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            std::string_view part(buffer, static_cast<size_t>(got));
            size_t newline = part.find('\n');
            complete = newline != std::string_view::npos;
            firstLine.append(part.substr(0, complete ? newline : part.size()));
        }
        run.seconds = secondsSince(start);
    }
    close(ends[0]);
    if (child) waitFor(child, run);
    return run;
}

std::vector<ScriptMark> scriptMarks(const std::string& output) {
    std::vector<ScriptMark> marks;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        ScriptMark mark;
        std::string rest;
        if (words >> word && word == "mark" && words >> mark.label >> mark.microseconds && !(words >> rest))
            marks.push_back(mark);
    }
    return marks;
}
