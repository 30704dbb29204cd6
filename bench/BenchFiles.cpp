// Benchmark file locations and clean-up.
#include "BenchFiles.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string& chosenDirectory() {
    static std::string directory;
    return directory;
}

std::string benchDirectory() {
    if (!chosenDirectory().empty()) return chosenDirectory();
    struct stat info {};
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return "/tmp";
}

}  // namespace

void setBenchDirectory(const std::string& directory) {
    chosenDirectory() = directory;
}

std::string benchPath(const std::string& name) {
    return benchDirectory() + "/" + name;
}

std::string benchFile(std::uint32_t count, const char* suffix) {
    return benchPath("orvane-bench-" + std::to_string(count) + "." + suffix);
}

void removeDatabaseFile(const std::string& path) {
    for (const char* extra : {"", "-wal", "-shm", "-journal", "-open"}) unlink((path + extra).c_str());
}
