// A second process for the tests across processes: this test program started again to run
// one disabled test, which reads what to do from an environment variable.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace test_support {

// Runs the disabled test `test` (Suite.DISABLED_Name) in a new process with `variable` set
// to `value`; its process id.
inline pid_t startSelf(const char* test, const char* variable, const std::string& value) {
    pid_t child = fork();
    if (child == 0) {
        setenv(variable, value.c_str(), 1);
        std::string filter = std::string("--gtest_filter=") + test;
        execl("/proc/self/exe", "tests", filter.c_str(), "--gtest_also_run_disabled_tests", static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// Waits for the child; its wait status.
inline int waitStatus(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

inline bool exitedCleanly(pid_t child) {
    int status = waitStatus(child);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace test_support
