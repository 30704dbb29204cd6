// Publishing and reading window records. Claiming a process id and removing a dead one's
// files both happen under the folder's windows.lock, so a cleaner can never remove the
// files of a new process that reuses a dead one's id. Another process's files are read only
// when they are regular files of a sane size, and its locks are waited for with a bound.
#include "kernel/WindowDirectory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "kernel/RuntimeDirectory.h"
#include "winbase.h"

namespace ce::kernel {

namespace {

constexpr std::string_view c_prefix = "windows-";

// Records bigger than this are no process's windows.
constexpr std::size_t c_maxRecordsBytes = 1 << 20;

// True while the process holds its lock file.
bool isLive(const std::string& folder, pid_t pid) {
    int fd = openRuntimeFile(WindowDirectory::fileOf(folder, pid, ".lock"), O_RDONLY);
    if (fd < 0) return false;
    bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void removeFiles(const std::string& folder, pid_t pid) {
    for (const char* suffix : {"", ".new", ".sock", ".lock"})
        ::unlink(WindowDirectory::fileOf(folder, pid, suffix).c_str());
}

void removeIfDead(const std::string& folder, pid_t pid) {
    RuntimeLock lock(folder, "windows.lock");
    if (lock.held() && !isLive(folder, pid)) removeFiles(folder, pid);
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The process id in a file name windows-<pid>[.suffix]; 0 for any other name.
pid_t pidOfName(std::string_view name) {
    if (!name.starts_with(c_prefix)) return 0;
    name.remove_prefix(c_prefix.size());
    pid_t pid = 0;
    auto [next, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || pid <= 0 || next == name.data()) return 0;
    std::string_view rest(next, static_cast<std::size_t>(name.data() + name.size() - next));
    return rest.empty() || rest == ".lock" || rest == ".sock" || rest == ".new" ? pid : 0;
}

}  // namespace

WindowDirectory::~WindowDirectory() {
    release();
}

std::string WindowDirectory::fileOf(const std::string& folder, pid_t pid, const char* suffix) {
    return folder + "/" + std::string(c_prefix) + std::to_string(pid) + suffix;
}

bool WindowDirectory::claim(const std::string& folder) {
    release();
    pid_t pid = getpid();
    RuntimeLock lock(folder, "windows.lock");
    int fd = lock.held() ? openRuntimeFile(fileOf(folder, pid, ".lock"), O_RDWR | O_CREAT) : -1;
    if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0) ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // A dead process with our id may have left its records and socket.
    for (const char* suffix : {"", ".new", ".sock"}) ::unlink(fileOf(folder, pid, suffix).c_str());
    m_folder = folder;
    m_lockFd = fd;
    m_pid = pid;
    return true;
}

void WindowDirectory::release() {
    if (m_lockFd < 0) return;
    // A forked child shares the lock but not the claim: the files are the parent's.
    if (getpid() == m_pid) removeFiles(m_folder, m_pid);
    ::close(m_lockFd);
    m_lockFd = -1;
    m_folder.clear();
}

bool WindowDirectory::publish(const std::vector<WindowRecord>& records) const {
    if (m_lockFd < 0 || getpid() != m_pid) return false;
    std::string fresh = fileOf(m_folder, m_pid, ".new");
    int fd = openRuntimeFile(fresh, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return false;
    bool written = writeAll(fd, formatWindowRecords(records));
    ::close(fd);
    if (written && ::rename(fresh.c_str(), fileOf(m_folder, m_pid).c_str()) == 0) return true;
    ::unlink(fresh.c_str());
    return false;
}

std::vector<pid_t> WindowDirectory::otherProcesses(const std::string& folder) {
    std::vector<pid_t> pids;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return pids;
    while (const dirent* entry = ::readdir(dir)) {
        pid_t pid = pidOfName(entry->d_name);
        if (pid && pid != getpid()) pids.push_back(pid);
    }
    ::closedir(dir);
    std::sort(pids.begin(), pids.end());
    pids.erase(std::unique(pids.begin(), pids.end()), pids.end());
    return pids;
}

std::optional<std::vector<WindowRecord>> WindowDirectory::windowsOf(const std::string& folder, pid_t pid) {
    if (pid <= 0) return std::nullopt;
    if (pid != getpid() && !isLive(folder, pid)) {
        removeIfDead(folder, pid);
        return std::nullopt;
    }
    std::optional<std::string> text = readRuntimeFile(fileOf(folder, pid), c_maxRecordsBytes);
    return text ? parseWindowRecords(*text) : std::nullopt;
}

}  // namespace ce::kernel
