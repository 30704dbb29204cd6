// Reaping started programs and waiting for them.
#include "kernel/ProcessObject.h"

#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "winbase.h"

namespace ce::kernel {

namespace {

unsigned codeOf(int status) {
    if (WIFEXITED(status)) return static_cast<unsigned>(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return 0x80000000u | static_cast<unsigned>(WTERMSIG(status));
    return 0;
}

}  // namespace

std::shared_ptr<ProcessObject::End> ProcessObject::watch(pid_t pid) {
    auto end = std::make_shared<End>();
    std::thread([end, pid] {
        int status = 0;
        pid_t result;
        do result = waitpid(pid, &status, 0);
        while (result < 0 && errno == EINTR);
        std::lock_guard<std::mutex> lock(end->mutex);
        end->done = true;
        end->code = result == pid ? codeOf(status) : 0;
        end->reached.notify_all();
    }).detach();
    return end;
}

bool ProcessObject::wait(unsigned milliseconds) {
    std::unique_lock<std::mutex> lock(m_end->mutex);
    if (milliseconds == INFINITE) {
        m_end->reached.wait(lock, [&] { return m_end->done; });
        return true;
    }
    return m_end->reached.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                   [&] { return m_end->done; });
}

unsigned ProcessObject::exitCode() {
    std::lock_guard<std::mutex> lock(m_end->mutex);
    return m_end->done ? m_end->code : STILL_ACTIVE;
}

}  // namespace ce::kernel
