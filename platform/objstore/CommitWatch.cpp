// Watching the WAL index header of a volume through a read-only mapping.
#include "CommitWatch.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <ctime>

namespace ce::objstore {

namespace {

// Every call through a handle asks twice; the coarse clock (a few milliseconds' steps) costs a
// fraction of the precise one and is ample for a trust of 100 ms.
std::chrono::nanoseconds coarseNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

}  // namespace

CommitWatch::~CommitWatch() {
    if (m_map) ::munmap(const_cast<unsigned char*>(m_map), m_mapped);
    if (m_fd >= 0) ::close(m_fd);
}

bool CommitWatch::attach(const std::string& path) {
    if (m_map) return true;
    int fd = ::open((path + "-shm").c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    // SQLite sizes its index in 32 KiB pieces; anything smaller is not one in use.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 32768) {
        ::close(fd);
        return false;
    }
    size_t length = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    void* map = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_map = static_cast<const unsigned char*>(map);
    m_mapped = length;
    return true;
}

void CommitWatch::remember() {
    if (!m_map) return;
    std::atomic_thread_fence(std::memory_order_acquire);
    std::memcpy(m_header.data(), m_map, c_headerBytes);
    m_known = true;
    m_rememberedAt = coarseNow();
}

bool CommitWatch::unchanged() const {
    if (!m_known) return false;
    std::atomic_thread_fence(std::memory_order_acquire);
    return std::memcmp(m_header.data(), m_map, c_headerBytes) == 0 &&
           coarseNow() - m_rememberedAt < c_trustFor;
}

}  // namespace ce::objstore
