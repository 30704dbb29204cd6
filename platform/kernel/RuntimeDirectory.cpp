// The per-user runtime folder: chosen from the environment, created private, checked safe.
#include "kernel/RuntimeDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "winbase.h"

namespace ce::kernel {

namespace {

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

}  // namespace

std::string runtimeDirectory() {
    std::string path = chosenPath();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        return {};
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !isSafe(info)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return {};
    }
    return path;
}

}  // namespace ce::kernel
