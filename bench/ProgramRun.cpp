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
    std::vector<std::string> args = argv;
    std::vector<std::string> environment = changedEnvironment(changes);
    std::vector<char*> argPointers = pointers(args);
    std::vector<char*> environmentPointers = pointers(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int failed = posix_spawn(&child, argPointers[0], &actions, nullptr, argPointers.data(), environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return run;
    int status = 0;
    struct rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}
