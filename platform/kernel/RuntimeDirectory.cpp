// The per-user runtime folder: chosen from the environment, created private, checked safe;
// and the careful opening, reading and locking of the files in it.
#include "kernel/RuntimeDirectory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <errno.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "winbase.h"

namespace ce::kernel {

namespace {

constexpr std::chrono::milliseconds c_lockRetry{5};

std::string chosenPath() {
    if (const char* own = std::getenv("CE_RUNTIME_DIR"); own && *own) return own;
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg)
        return std::string(xdg) + "/orvane";
    return "/tmp/orvane-" + std::to_string(getuid());
}

// Someone else's folder, or one others may write into, could hand us their objects.
bool isSafe(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// The calls that need the folder only fail with an error code; the person running the program
// is told once what is wrong with it.
void tellOnce(const std::string& path, const char* why) {
    static bool told = false;
    if (told) return;
    told = true;
    std::fprintf(stderr, "%s: the runtime folder %s %s; named objects and windows of other programs are unavailable\n",
                 program_invocation_short_name, path.c_str(), why);
}

}  // namespace

std::string existingRuntimeDirectory() {
    std::string path = chosenPath();
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && isSafe(info) ? path : std::string();
}

std::string runtimeDirectory() {
    std::string path = chosenPath();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        tellOnce(path, "cannot be made (set CE_RUNTIME_DIR to a folder of your own)");
        return {};
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !isSafe(info)) {
        SetLastError(ERROR_ACCESS_DENIED);
        tellOnce(path, "is not a private folder of this user (it must be a folder you own, mode 700)");
        return {};
    }
    return path;
}

int openRuntimeFile(const std::string& path, int flags, mode_t mode) {
    int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

std::optional<std::string> readRuntimeFile(const std::string& path, std::size_t maxBytes) {
    int fd = openRuntimeFile(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string text;
    bool whole = fstat(fd, &info) == 0 && static_cast<std::size_t>(info.st_size) <= maxBytes;
    // The size is checked again while reading: the file may grow after fstat.
    while (whole) {
        char buffer[4096];
        ssize_t length = ::read(fd, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR) continue;
        if (length <= 0) {
            whole = length == 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(length));
        whole = text.size() <= maxBytes;
    }
    ::close(fd);
    return whole ? std::optional<std::string>(std::move(text)) : std::nullopt;
}

bool lockWithin(int fd, int operation, std::chrono::milliseconds patience) {
    auto deadline = std::chrono::steady_clock::now() + patience;
    while (flock(fd, operation | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(c_lockRetry);
    }
    return true;
}

RuntimeLock::RuntimeLock(const std::string& folder, const char* name)
    : m_fd(openRuntimeFile(folder + "/" + name, O_RDWR | O_CREAT)) {
    if (m_fd >= 0 && !lockWithin(m_fd, LOCK_EX)) {
        ::close(m_fd);
        m_fd = -1;
    }
}

RuntimeLock::~RuntimeLock() {
    if (m_fd >= 0) ::close(m_fd);
}

}  // namespace ce::kernel
