// The per-user folder where processes of one user meet: named objects and published windows.
// $CE_RUNTIME_DIR when set (tests use their own), else $XDG_RUNTIME_DIR/orvane, else
// /tmp/orvane-<uid>. Created mode 0700; one owned by someone else or open to others is refused.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace ce::kernel {

// The folder, created when missing; "" with the last error set (ERROR_ACCESS_DENIED for an
// unsafe folder) when it cannot be used.
std::string runtimeDirectory();
// The folder when it exists already and is safe, else "": never made, nothing said, the
// last error left alone. For what is worth keeping there but never needed.
std::string existingRuntimeDirectory();

// Every other process's file in the folder is only trusted to be there: it is opened without
// following a link or waiting on a FIFO, and used only when it is a regular file.
// -1 for anything else.
int openRuntimeFile(const std::string& path, int flags, mode_t mode = 0600);
// A whole regular file of at most maxBytes; nullopt for anything else.
std::optional<std::string> readRuntimeFile(const std::string& path, std::size_t maxBytes);

// How long a lock another process holds is waited for: the user's processes hold theirs
// for short steps only, so a longer hold is a stuck or foreign process.
constexpr std::chrono::milliseconds c_lockPatience{2000};

// flock(fd, operation) retried without blocking until it succeeds or patience runs out.
bool lockWithin(int fd, int operation, std::chrono::milliseconds patience = c_lockPatience);

// Holds one of the folder's own lock files exclusively for as long as it lives.
class RuntimeLock {
public:
    RuntimeLock(const std::string& folder, const char* name);
    ~RuntimeLock();
    RuntimeLock(const RuntimeLock&) = delete;
    RuntimeLock& operator=(const RuntimeLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

}  // namespace ce::kernel
