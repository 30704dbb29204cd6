// The windows the user's processes publish in the runtime folder. Each process has three
// files there: windows-<pid> (its records, always replaced whole by a rename, so a reader
// never sees half of one), windows-<pid>.lock (locked by the process for as long as it
// lives: a free lock means a dead process, whose files are then removed) and
// windows-<pid>.sock (where it takes requests, see ForegroundChannel).
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "kernel/WindowRecord.h"

namespace ce::kernel {

class WindowDirectory {
public:
    WindowDirectory() = default;
    ~WindowDirectory();
    WindowDirectory(const WindowDirectory&) = delete;
    WindowDirectory& operator=(const WindowDirectory&) = delete;

    // Takes this process's files in folder (after a dead process of the same id, if any).
    bool claim(const std::string& folder);
    // Removes this process's files; a process that has forked since leaves them alone.
    void release();
    bool isClaimed() const { return m_lockFd >= 0; }
    const std::string& folder() const { return m_folder; }
    // Replaces this process's records.
    bool publish(const std::vector<WindowRecord>& records) const;

    // Processes other than this one that have files in folder, in id order.
    static std::vector<pid_t> otherProcesses(const std::string& folder);
    // A live process's records; nullopt when it has none or is dead (its files then go).
    static std::optional<std::vector<WindowRecord>> windowsOf(const std::string& folder, pid_t pid);
    static std::string fileOf(const std::string& folder, pid_t pid, const char* suffix = "");

private:
    std::string m_folder;
    int m_lockFd = -1;
    pid_t m_pid = 0;
};

}  // namespace ce::kernel
