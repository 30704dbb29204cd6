// Points the runtime folder (CE_RUNTIME_DIR) at a scratch folder of the test's own, so that
// named objects never meet the user's or another test's; and a bound on calls that could
// wait on another process for ever.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace test_support {

class RuntimeFolderTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("CE_RUNTIME_DIR", runtime().c_str(), 1); }
    void TearDown() override { unsetenv("CE_RUNTIME_DIR"); }
    std::string runtime() const { return m_scratch.file("run"); }

    ScratchFolder m_scratch{"kernel-runtime"};
};

// Runs work in a child process: true when it returns true there within the limit. A child
// still running then is killed, so that a call that blocks fails the test, not hangs it.
inline bool succeedsWithin(std::chrono::milliseconds limit, const std::function<bool()>& work) {
    pid_t pid = fork();
    if (pid == 0) _exit(work() ? 0 : 1);
    if (pid < 0) return false;
    auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace test_support
