// Process and thread handles of a started program: both see the same end. A reaper thread
// waits for the child, so it never lingers as a zombie, and records its exit code.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "kernel/KernelObject.h"

namespace ce::kernel {

class ProcessObject : public KernelObject {
public:
    struct End {
        std::mutex mutex;
        std::condition_variable reached;
        bool done = false;
        unsigned code = 0;
    };
    // Starts reaping the child; every handle to it shares the returned end.
    static std::shared_ptr<End> watch(pid_t pid);

    explicit ProcessObject(std::shared_ptr<End> end) : m_end(std::move(end)) {}

    // Waits up to the given milliseconds (INFINITE: for ever); true once it has ended.
    bool wait(unsigned milliseconds);
    // STILL_ACTIVE while it runs.
    unsigned exitCode();

private:
    std::shared_ptr<End> m_end;
};

}  // namespace ce::kernel
